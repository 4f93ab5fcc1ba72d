// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTest>

// How long a test waits for a condition before it calls it a failure. It never paces a test: a condition
// that holds is seen at once. What takes milliseconds on an idle machine can take seconds on a loaded one
// with two cores, so Qt's five seconds for the QTRY_ macros are too short to mean "broken".
inline constexpr int kPatienceMs = 30000;

#undef QTRY_VERIFY
#undef QTRY_VERIFY2
#undef QTRY_COMPARE
#define QTRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT(expr, kPatienceMs)
#define QTRY_VERIFY2(expr, messageExpression) QTRY_VERIFY2_WITH_TIMEOUT(expr, messageExpression, kPatienceMs)
#define QTRY_COMPARE(expr, expected) QTRY_COMPARE_WITH_TIMEOUT(expr, expected, kPatienceMs)
