#include "NumberText.h"

#include <QLocale>
#include <QtTest>

class TestNumberText : public QObject
{
    Q_OBJECT
  private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void format_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("pi 2") << 3.14159 << 2 << "3,14";
        QTest::newRow("no mark at 0 decimals") << 7.25 << 0 << "7";
        QTest::newRow("round up at 0") << 7.75 << 0 << "8";
        QTest::newRow("negative zero after rounding") << -0.001 << 2 << "0,00";
        QTest::newRow("negative decimals count as 0") << 2.4 << -3 << "2";
        // Ties round away from zero on the decimal digits, as taught in school.
        QTest::newRow("tie up") << 2.5 << 0 << "3";
        QTest::newRow("tie up negative") << -0.125 << 2 << "-0,13";
        QTest::newRow("carry into new digit") << 9.996 << 2 << "10,00";
        QTest::newRow("tiny rounds to zero") << 1e-30 << 3 << "0,000";
        QTest::newRow("decimals above 18 count as 18") << 0.25 << 25 << "0,250000000000000000";
        QTest::newRow("huge switches to scientific") << 1.5e20 << 2 << "1,5E20";
        QTest::newRow("huge negative") << -2e19 << 0 << "-2E19";
    }
    void format()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(FormatNumber(value, decimals), text);
    }

    void formatEighteenDigits()
    {
        // 18 significant digits: the 19th and later are rounded away before
        // the decimals are applied.
        Extended V = 1.0L / 3.0L;
        QCOMPARE(FormatNumber(V, 18), QString("0,333333333333333333"));
        QCOMPARE(FormatNumber(V * 100, 18), QString("33,333333333333333300"));
        // A typed tie rounds up although its binary value lies a hair below.
        Extended Typed = 0;
        QVERIFY(ParseNumber("1,005", Typed));
        QCOMPARE(FormatNumber(Typed, 2), QString("1,01"));
    }

    void general_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("integer") << 42.0 << "42";
        QTest::newRow("third, 15 digits") << 1.0 / 3.0 << "0,333333333333333";
        QTest::newRow("tiny in scientific") << 1.5e-7 << "1,5E-7";
        QTest::newRow("large in scientific") << 1e20 << "1E20";
        QTest::newRow("binary noise rounded") << 0.1 + 0.2 << "0,3";
    }
    void general()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(FormatGeneral(value), text);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("comma") << "2,5" << true << 2.5;
        QTest::newRow("point") << "2.5" << true << 2.5;
        QTest::newRow("point is decimal") << "1.000" << true << 1.0;
        QTest::newRow("point and comma") << "1.000,5" << false << 0.0;
        QTest::newRow("two commas") << "4,2,1" << false << 0.0;
        QTest::newRow("blanks around") << " 4,2 " << true << 4.2;
        QTest::newRow("sign") << "-3" << true << -3.0;
        QTest::newRow("negative exponent") << "2,5e-3" << true << 2.5e-3;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("dash") << "-" << false << 0.0;
        QTest::newRow("inf") << "inf" << false << 0.0;
        QTest::newRow("out of range") << "1e99999" << false << 0.0;
        QTest::newRow("hex") << "0x1F" << false << 0.0;
        QTest::newRow("thousands") << "1 000" << false << 0.0;
        QTest::newRow("exponent without digits") << "1e" << false << 0.0;
        QTest::newRow("arabic digits") << QString::fromUtf8("\u0661") << false << 0.0;
        QTest::newRow("tab around") << "\t4" << false << 0.0;
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        Extended V = -99;
        QCOMPARE(ParseNumber(text, V), ok);
        if (ok)
            QCOMPARE(double(V), value);
    }

    void parseInteger_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "12" << true << 12;
        QTest::newRow("decimal") << "2,5" << false << 0;
        QTest::newRow("max") << "2147483647" << true << 2147483647;
        QTest::newRow("min") << "-2147483648" << true << int(-2147483648LL);
        QTest::newRow("overflow") << "2147483648" << false << 0;
        QTest::newRow("hex") << "$10" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
    }
    void parseInteger()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, value);
        int32_t V = -99;
        QCOMPARE(ParseInteger(text, V), ok);
        if (ok)
            QCOMPARE(V, value);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
