// SPDX-License-Identifier: MIT
#pragma once

#include <QTest>

#include <clocale>
#include <cstdio>
#include <cstring>

// A test main that takes the locale from the environment, as the program
// does. The engine and settings tables run again under LC_ALL=de_DE.UTF-8,
// whose decimal separator is ","; a locale missing from the system must fail
// that run rather than leave it quietly in "C".
#define VH_LOCALE_TEST_MAIN(TestClass)                                                             \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        std::setlocale(LC_ALL, "");                                                                \
        const QByteArray wanted = qgetenv("LC_ALL");                                               \
        if (wanted.startsWith("de_DE") &&                                                          \
            std::strcmp(std::localeconv()->decimal_point, ",") != 0) {                             \
            std::fprintf(stderr, "%s is not active; the test set-up should have generated it\n",   \
                         wanted.constData());                                                      \
            return 1;                                                                              \
        }                                                                                          \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
