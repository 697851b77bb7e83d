// SPDX-License-Identifier: MIT
// The sample company's data that several screens show: Bayside Garden Supply, March 2027.
#pragma once

#include <QString>
#include <QStringList>

namespace shots::sample {

using namespace Qt::StringLiterals;

// The company every screen works in, its open period and the program's date.
inline const QString kCompany = u"Bayside Garden Supply"_s;
inline const QString kPeriod = u"Period 3 - 03/01/27 to 03/31/27"_s;
inline const QString kToday = u"03/15/27"_s;

inline QStringList greenwayAddress() {
    return {u"Greenway Landscaping"_s, u"Attn: Tom Alvarez"_s, u"88 Orchard Lane"_s,
            u"Millbrook, CA 94522"_s};
}

inline QStringList coastalAddress() {
    return {u"Coastal Nursery Wholesale"_s, u"2200 Seaview Parkway"_s, u"Port Alder, CA 94110"_s};
}

// Item ID, description, unit price.
inline QList<QStringList> items() {
    return {
        {u"MUL-CED-2"_s, u"Cedar Mulch, 2 cu ft"_s, u"6.49"_s},
        {u"POT-TC-12"_s, u"Terracotta Pot, 12 in"_s, u"14.95"_s},
        {u"ROSE-HT"_s, u"Rose Bush, Hybrid Tea"_s, u"24.50"_s},
        {u"HOSE-50"_s, u"Garden Hose, 50 ft"_s, u"32.00"_s},
        {u"SHEAR-PR"_s, u"Pruning Shears"_s, u"18.75"_s},
        {u"SEED-LM5"_s, u"Lawn Seed Mix, 5 lb"_s, u"21.99"_s},
        {u"DRIP-KIT"_s, u"Drip Irrigation Kit"_s, u"49.00"_s},
        {u"SOIL-PT1"_s, u"Potting Soil, 1 cu ft"_s, u"8.25"_s},
        {u"FERT-ALL"_s, u"All-Purpose Fertilizer"_s, u"12.40"_s},
        {u"BENCH-TK"_s, u"Teak Garden Bench"_s, u"289.00"_s},
    };
}

// Customer ID, name, contact, telephone, balance.
inline QList<QStringList> customers() {
    return {
        {u"BRIGHTON"_s, u"Brighton Park District"_s, u"Ellen Hart"_s, u"555-0131"_s, u"1,240.00"_s},
        {u"GREENWAY"_s, u"Greenway Landscaping"_s, u"Tom Alvarez"_s, u"555-0188"_s, u"3,418.62"_s},
        {u"HILLCREST"_s, u"Hillcrest Nursery"_s, u"Priya Nair"_s, u"555-0142"_s, u"0.00"_s},
        {u"MARTINEZ-R"_s, u"Rosa Martinez"_s, u"Rosa Martinez"_s, u"555-0176"_s, u"86.40"_s},
        {u"OAKHOLLOW"_s, u"Oak Hollow Estates HOA"_s, u"Ben Carver"_s, u"555-0119"_s,
         u"2,075.00"_s},
        {u"PINEWOOD"_s, u"Pinewood Golf Club"_s, u"Gary Mills"_s, u"555-0164"_s, u"5,932.18"_s},
        {u"SUNSET-CG"_s, u"Sunset Community Garden"_s, u"Ann Lee"_s, u"555-0157"_s, u"312.75"_s},
        {u"WILLOWBRK"_s, u"Willowbrook Apartments"_s, u"Dana Ruiz"_s, u"555-0105"_s, u"740.00"_s},
    };
}

// Vendor ID, name.
inline QList<QStringList> vendors() {
    return {
        {u"COASTAL"_s, u"Coastal Nursery Wholesale"_s}, {u"GREENLEAF"_s, u"GreenLeaf Tools Inc."_s},
        {u"PACPOT"_s, u"Pacific Pottery Co."_s},        {u"SUNRAIN"_s, u"SunRain Irrigation"_s},
        {u"VALLEYSS"_s, u"Valley Soil & Stone"_s},
    };
}

} // namespace shots::sample
