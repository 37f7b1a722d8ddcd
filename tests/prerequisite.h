#pragma once

// A test that needs a right or a program this machine may lack (root, a
// mount namespace, a second user): skipped where it is missing, except under
// CI (CI=true), where the test command runs as root with everything
// installed. There a missing prerequisite is a failure: a skip would count as
// a pass, and the test would stop testing anything without a sign.

#include <QtTest>

#define SCRIVLET_REQUIRE(condition, reason)                                                        \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            if (qEnvironmentVariable("CI") == QLatin1String("true"))                               \
                QFAIL("missing in CI: " reason);                                                   \
            QSKIP(reason);                                                                         \
        }                                                                                          \
    } while (false)
