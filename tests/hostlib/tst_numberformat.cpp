// Numbers under the user's numeric locale: CSetLocale switches LC_NUMERIC to
// the environment's (de_DE.UTF-8 here, a decimal comma) and restores it, and
// FormatReal_S writes text that the C library reads back as the same value.

#include "host/services/lustring.h"
#include "host/services/setlocale.h"
#include "hostlib/profileplotdataobject.h"
#include "support/projecttest.h"

#include <QtTest>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>

namespace {

char DecimalPoint()
{
    return *std::localeconv()->decimal_point;
}

QString Format(double value, int digits = 16, bool trimZeros = true)
{
    return QString::fromLatin1(LuString::FormatReal_S(value, digits, trimZeros).GetString());
}

} // namespace

class NumberFormatTest : public QObject {
    Q_OBJECT

private slots:
    void init() { std::setlocale(LC_NUMERIC, "C"); }

    // The model file keeps "."; the plot object speaks the user's conventions,
    // and gives back exactly what was written to it.
    void plotObjectGivesAndTakesTimesInTheUsersConventions()
    {
        PlotDefinition definition;
        definition.timeEntries = CStringArray {"2.5*", "0.5"};
        CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:A", definition, nullptr);
        CStringArray entries;
        plot->GetTimes(entries);
        QCOMPARE(entries, (CStringArray {"2,5*", "0,5"}));
        plot->SetTimes(CStringArray {"1,25", "3", "L"});
        QCOMPARE(plot->definition().timeEntries, (CStringArray {"1.25", "3", "L"}));
        const CStringArray odd {"1.000,5", "x"};
        plot->SetTimes(odd);
        plot->GetTimes(entries);
        QCOMPARE(entries, odd);
        QCOMPARE(QByteArray(std::setlocale(LC_NUMERIC, nullptr)), QByteArray("C"));
    }

    void guardSwitchesRestoresAndNests()
    {
        {
            const CSetLocale outer(LC_CATEGORY_NUMERIC, LOCALE_ID_USER_DEFAULT);
            QVERIFY2(DecimalPoint() == ',',
                "LC_NUMERIC=de_DE.UTF-8 did not take effect: create the locale with "
                "'localedef -i de_DE -f UTF-8 de_DE.UTF-8'");
            {
                const CSetLocale invariant(LC_CATEGORY_NUMERIC, LOCALE_ID_INVARIANT);
                QCOMPARE(DecimalPoint(), '.');
            }
            QCOMPARE(DecimalPoint(), ',');
        }
        QCOMPARE(DecimalPoint(), '.');
        QCOMPARE(Format(2.5), QStringLiteral("2.5"));
        QCOMPARE(Format(std::nan("")), QStringLiteral("nan"));
    }

    void formatsUnderCommaLocale_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("digits");
        QTest::addColumn<bool>("trimZeros");
        QTest::addColumn<QString>("expected");

        QTest::newRow("tenth") << 0.1 << 16 << true << "0,1";
        QTest::newRow("small, no exponent") << 1e-7 << 16 << true << "0,0000001";
        QTest::newRow("negative zero") << -0.0 << 16 << true << "0";
        QTest::newRow("negative") << -3.25 << 16 << true << "-3,25";
        QTest::newRow("largest plain") << 1234567890123456.0 << 16 << true << "1234567890123456";
        QTest::newRow("huge gets exponent") << 1.5e20 << 16 << true << "1,5e+20";
        QTest::newRow("tiny gets exponent") << 1.5e-12 << 16 << true << "1,5e-12";
        // More digits than asked where fewer would not read back.
        QTest::newRow("six digits, typed time") << 3600.125 << 6 << true << "3600,125";
        QTest::newRow("six digits two thirds") << 2.0 / 3.0 << 6 << true << "0,6666666666666666";
        QTest::newRow("six digits, whole part") << 1234567.89 << 6 << true << "1234567,89";
        QTest::newRow("six digits enough") << 1234570.0 << 6 << true << "1234570";
        QTest::newRow("six digits, near a carry") << 9.9999996 << 6 << true << "9,9999996";
        QTest::newRow("sixteen digits, sum of tenths") << 0.1 + 0.2 << 16 << true << "0,30000000000000004";
        QTest::newRow("six digits, largest double")
            << std::numeric_limits<double>::max() << 6 << true << "1,7976931348623157e+308";
        QTest::newRow("six digits, denormal") << 5e-324 << 6 << true << "4,94066e-324";
        QTest::newRow("zeros kept") << 2.5 << 6 << false << "2,50000";
        QTest::newRow("zeros kept, more digits") << 3600.125 << 6 << false << "3600,125";
        QTest::newRow("zero with zeros kept") << 0.0 << 3 << false << "0,00";
        QTest::newRow("digits clamped low") << 2.75 << 0 << true << "2,75";
        QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << 16 << true << "-inf";
    }

    void formatsUnderCommaLocale()
    {
        QFETCH(double, value);
        QFETCH(int, digits);
        QFETCH(bool, trimZeros);
        QFETCH(QString, expected);

        const CSetLocale guard(LC_CATEGORY_NUMERIC, LOCALE_ID_USER_DEFAULT);
        const QString text = Format(value, digits, trimZeros);
        QCOMPARE(text, expected);
        // What is written is read back exactly.
        if (std::isfinite(value))
            QCOMPARE(std::atof(text.toLatin1().constData()), value);
    }

    // Every digit count gives back every double.
    void roundTripsAcrossMagnitudes()
    {
        const CSetLocale guard(LC_CATEGORY_NUMERIC, LOCALE_ID_USER_DEFAULT);
        std::mt19937_64 random(12345);
        std::uniform_real_distribution<double> mantissa(1.0, 10.0);
        std::uniform_int_distribution<int> exponent(-14, 18);
        for (int i = 0; i < 5000; ++i) {
            const double value = mantissa(random) * std::pow(10.0, exponent(random)) * (i % 2 ? -1 : 1);
            for (int digits : {6, 16, 17}) {
                const CString text = LuString::FormatReal_S(value, digits, true);
                QVERIFY2(std::atof(text) == value, text.GetString());
            }
        }
    }
};

PE_TEST_APPLESS_MAIN(NumberFormatTest)
#include "tst_numberformat.moc"
