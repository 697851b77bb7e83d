// SPDX-License-Identifier: MIT
// The sample company's data that several screens show: Bayside Garden Supply, March 2027.
#pragma once

#include <QString>
#include <QStringList>

namespace shots::sample {

inline QString s(const char* text) {
    return QString::fromUtf8(text);
}

inline QStringList greenwayAddress() {
    return {s("Greenway Landscaping"), s("Attn: Tom Alvarez"), s("88 Orchard Lane"),
            s("Millbrook, CA 94522")};
}

inline QStringList coastalAddress() {
    return {s("Coastal Nursery Wholesale"), s("2200 Seaview Parkway"), s("Port Alder, CA 94110")};
}

// Item ID, description, unit price.
inline QList<QStringList> items() {
    return {
        {s("MUL-CED-2"), s("Cedar Mulch, 2 cu ft"), s("6.49")},
        {s("POT-TC-12"), s("Terracotta Pot, 12 in"), s("14.95")},
        {s("ROSE-HT"), s("Rose Bush, Hybrid Tea"), s("24.50")},
        {s("HOSE-50"), s("Garden Hose, 50 ft"), s("32.00")},
        {s("SHEAR-PR"), s("Pruning Shears"), s("18.75")},
        {s("SEED-LM5"), s("Lawn Seed Mix, 5 lb"), s("21.99")},
        {s("DRIP-KIT"), s("Drip Irrigation Kit"), s("49.00")},
        {s("SOIL-PT1"), s("Potting Soil, 1 cu ft"), s("8.25")},
        {s("FERT-ALL"), s("All-Purpose Fertilizer"), s("12.40")},
        {s("BENCH-TK"), s("Teak Garden Bench"), s("289.00")},
    };
}

// Customer ID, name, contact, telephone, balance.
inline QList<QStringList> customers() {
    return {
        {s("BRIGHTON"), s("Brighton Park District"), s("Ellen Hart"), s("555-0131"), s("1,240.00")},
        {s("GREENWAY"), s("Greenway Landscaping"), s("Tom Alvarez"), s("555-0188"), s("3,418.62")},
        {s("HILLCREST"), s("Hillcrest Nursery"), s("Priya Nair"), s("555-0142"), s("0.00")},
        {s("MARTINEZ-R"), s("Rosa Martinez"), s("Rosa Martinez"), s("555-0176"), s("86.40")},
        {s("OAKHOLLOW"), s("Oak Hollow Estates HOA"), s("Ben Carver"), s("555-0119"),
         s("2,075.00")},
        {s("PINEWOOD"), s("Pinewood Golf Club"), s("Gary Mills"), s("555-0164"), s("5,932.18")},
        {s("SUNSET-CG"), s("Sunset Community Garden"), s("Ann Lee"), s("555-0157"), s("312.75")},
        {s("WILLOWBRK"), s("Willowbrook Apartments"), s("Dana Ruiz"), s("555-0105"), s("740.00")},
    };
}

// Vendor ID, name.
inline QList<QStringList> vendors() {
    return {
        {s("COASTAL"), s("Coastal Nursery Wholesale")}, {s("GREENLEAF"), s("GreenLeaf Tools Inc.")},
        {s("PACPOT"), s("Pacific Pottery Co.")},        {s("SUNRAIN"), s("SunRain Irrigation")},
        {s("VALLEYSS"), s("Valley Soil & Stone")},
    };
}

} // namespace shots::sample
