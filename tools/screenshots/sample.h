// SPDX-License-Identifier: MIT
// The sample company's data that several screens show: Bayside Garden Supply, March 2027.
#pragma once

#include "books.h"

#include <QString>
#include <QStringList>

namespace shots::sample {

using namespace Qt::StringLiterals;

// The company every screen works in, its open period and the program's date.
inline const QString kCompany = u"Bayside Garden Supply"_s;
inline const QString kPeriod = u"Period 3 - 03/01/27 to 03/31/27"_s;
inline const QString kToday = books::day(books::today());

inline QStringList greenwayAddress() {
    return {u"Greenway Landscaping"_s, u"Attn: Tom Alvarez"_s, u"88 Orchard Lane, Suite 4"_s,
            u"Millbrook, CA 94522"_s};
}

inline QStringList pinewoodAddress() {
    return {u"Pinewood Golf Club"_s, u"Attn: Grounds Office"_s, u"1 Fairway Drive"_s,
            u"Bayside, CA 94520"_s};
}

inline QStringList coastalAddress() {
    return {u"Coastal Nursery Wholesale"_s, u"2200 Seaview Parkway, Building C"_s,
            u"Port Alder, CA 94110"_s};
}

} // namespace shots::sample
