// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QSet>
#include <QTest>
#include <cmath>
#include <limits>

#include "catalogue/catalogue.h"
#include "catalogue/numeric_value.h"
#include "catalogue/run_time_error.h"

using catalogue::ErrorNumber;
using catalogue::NumericValue;
using catalogue::RunTimeError;
using catalogue::ToIndex;

namespace {

// The error number `read` raises, or 0 when it raises none.
template <typename Read>
int ErrorOf(Read read) {
    try {
        read();
    } catch (const RunTimeError& failure) {
        return static_cast<int>(failure.Number());
    }
    return 0;
}

constexpr int kOverflow = static_cast<int>(ErrorNumber::Overflow);
constexpr int kNoSuchElement = static_cast<int>(ErrorNumber::NoSuchElement);
constexpr int kNoSuchRow = static_cast<int>(ErrorNumber::NoSuchRow);

}  // namespace

class TstCatalogue : public QObject {
    Q_OBJECT

private slots:
    void numericValueReadsLeadingNumber_data();
    void numericValueReadsLeadingNumber();
    void toIndexRoundsHalvesToEven_data();
    void toIndexRoundsHalvesToEven();
    void toIndexAgreesWithRoundToNearestEven();
    void toIndexRejectsWhatDoesNotFit_data();
    void toIndexRejectsWhatDoesNotFit();
    void everyRowReadsAsAnIndex();
    void captionsAreUniqueAcrossBothGroups();
    void missingElementsAndRowsRaise_data();
    void missingElementsAndRowsRaise();
};

void TstCatalogue::numericValueReadsLeadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("no second periodical") << "101" << 101.0;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("two digits") << "11" << 11.0;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("blanks before") << "  7" << 7.0;
    QTest::newRow("tab before") << "\t7" << 7.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("minus") << "-3" << -3.0;
    QTest::newRow("plus") << "+3" << 3.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("two signs") << "--3" << 0.0;
    QTest::newRow("blank after sign") << "- 3" << 0.0;
    QTest::newRow("half") << "2.5" << 2.5;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("negative point first") << "-.25" << -0.25;
    QTest::newRow("point last") << "5." << 5.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("letters after") << "12abc" << 12.0;
    QTest::newRow("no exponent") << "1e3" << 1.0;
    QTest::newRow("blank ends it") << "1 2" << 1.0;
    QTest::newRow("comma ends it") << "3,5" << 3.0;
    QTest::newRow("Cyrillic after") << "4 бр." << 4.0;
    QTest::newRow("largest 16-bit") << "32767" << 32767.0;
    QTest::newRow("beyond 16 bits") << "40000" << 40000.0;
    QTest::newRow("exact to 2^53") << "9007199254740992" << 9007199254740992.0;
    QTest::newRow("long fraction") << "0.1234567890123456789" << 0.123456789012345;
}

void TstCatalogue::numericValueReadsLeadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumericValue(text.toStdString()), value);
}

void TstCatalogue::toIndexRoundsHalvesToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("index");
    QTest::newRow("2.5 down to even") << 2.5 << 2;
    QTest::newRow("3.5 up to even") << 3.5 << 4;
    QTest::newRow("-2.5 up to even") << -2.5 << -2;
    QTest::newRow("-3.5 down to even") << -3.5 << -4;
    QTest::newRow("0.5 to zero") << 0.5 << 0;
    QTest::newRow("-0.5 to zero") << -0.5 << 0;
    QTest::newRow("1.5 to two") << 1.5 << 2;
    QTest::newRow("just below half") << 2.4999999 << 2;
    QTest::newRow("just above half") << 2.5000001 << 3;
    QTest::newRow("negative just above half") << -2.5000001 << -3;
    QTest::newRow("101 unchanged") << 101.0 << 101;
    QTest::newRow("largest") << 32767.0 << 32767;
    QTest::newRow("below largest half") << 32767.49 << 32767;
    QTest::newRow("smallest") << -32768.0 << -32768;
    QTest::newRow("smallest minus half, to even") << -32768.5 << -32768;
    QTest::newRow("negative zero") << -0.0 << 0;
}

void TstCatalogue::toIndexRoundsHalvesToEven() {
    QFETCH(double, value);
    QFETCH(int, index);
    QCOMPARE(static_cast<int>(ToIndex(value)), index);
}

// Quarter steps over the whole 16-bit range and past both ends: every in-range value rounds as
// the C library's round-to-nearest-even does, and everything else raises overflow.
void TstCatalogue::toIndexAgreesWithRoundToNearestEven() {
    for (int quarter = -4 * 32770; quarter <= 4 * 32770; ++quarter) {
        const double value = quarter / 4.0;
        const double nearest = std::nearbyint(value);
        const bool fits = nearest >= -32768 && nearest <= 32767;
        const int error = ErrorOf([&] { ToIndex(value); });
        if (fits) {
            QVERIFY2(error == 0 && ToIndex(value) == static_cast<int>(nearest),
                     qPrintable(QString("value %1").arg(value)));
        } else {
            QVERIFY2(error == kOverflow, qPrintable(QString("value %1").arg(value)));
        }
    }
}

void TstCatalogue::toIndexRejectsWhatDoesNotFit_data() {
    QTest::addColumn<double>("value");
    QTest::newRow("largest plus half rounds to 32768") << 32767.5;
    QTest::newRow("32768") << 32768.0;
    QTest::newRow("smallest minus a little more than half") << -32768.51;
    QTest::newRow("-32769.5 rounds to -32770") << -32769.5;
    QTest::newRow("huge") << 1e300;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
}

void TstCatalogue::toIndexRejectsWhatDoesNotFit() {
    QFETCH(double, value);
    QCOMPARE(ErrorOf([&] { ToIndex(value); }), kOverflow);
}

void TstCatalogue::everyRowReadsAsAnIndex() {
    for (const auto table :
         {catalogue::Table::FirstPublicationTable, catalogue::Table::SecondPublicationTable,
          catalogue::Table::PublisherTable}) {
        for (const auto row : catalogue::TableRows(table)) {
            const double value = NumericValue(row);
            QCOMPARE(static_cast<double>(ToIndex(value)), value);
        }
    }
}

// Pupils tell the figures and the periodicals apart by their captions alone.
void TstCatalogue::captionsAreUniqueAcrossBothGroups() {
    QSet<QString> seen;
    for (int figure = 0; figure < catalogue::FigureCount; ++figure) {
        seen.insert(QString::fromUtf8(catalogue::FigureCaption(figure)));
    }
    for (int publication = 0; publication < catalogue::PublicationCount; ++publication) {
        seen.insert(QString::fromUtf8(catalogue::PublicationCaption(publication)));
    }
    QCOMPARE(seen.size(), catalogue::FigureCount + catalogue::PublicationCount);
    QVERIFY(!seen.contains(QString()));
}

void TstCatalogue::missingElementsAndRowsRaise_data() {
    QTest::addColumn<int>("kind");  // 0 figure, 1 publication, 2 table, 3 table row
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("error");
    QTest::newRow("figure -1") << 0 << -1 << 0 << kNoSuchElement;
    QTest::newRow("figure 7") << 0 << 7 << 0 << kNoSuchElement;
    QTest::newRow("figure 6 exists") << 0 << 6 << 0 << 0;
    QTest::newRow("publication -1") << 1 << -1 << 0 << kNoSuchElement;
    QTest::newRow("publication 12") << 1 << 12 << 0 << kNoSuchElement;
    QTest::newRow("publication 101") << 1 << 101 << 0 << kNoSuchElement;
    QTest::newRow("publication 11 exists") << 1 << 11 << 0 << 0;
    QTest::newRow("table 4") << 2 << 4 << 0 << kNoSuchElement;
    QTest::newRow("table -1") << 2 << -1 << 0 << kNoSuchElement;
    QTest::newRow("figure names row 6") << 3 << 0 << 6 << 0;
    QTest::newRow("first periodical row 7") << 3 << 1 << 7 << kNoSuchRow;
    QTest::newRow("second periodical row -1") << 3 << 2 << -1 << kNoSuchRow;
    QTest::newRow("publisher row 11") << 3 << 3 << 11 << 0;
    QTest::newRow("publisher row 12") << 3 << 3 << 12 << kNoSuchRow;
}

void TstCatalogue::missingElementsAndRowsRaise() {
    QFETCH(int, kind);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, error);
    QCOMPARE(ErrorOf([&] {
                 switch (kind) {
                     case 0:
                         return catalogue::FigureCaption(first);
                     case 1:
                         return catalogue::PublicationCaption(first);
                     case 2:
                         return catalogue::TableRow(first, 0);
                     default:
                         return catalogue::TableRow(first, second);
                 }
             }),
             error);
}

QTEST_GUILESS_MAIN(TstCatalogue)
#include "tst_catalogue.moc"
