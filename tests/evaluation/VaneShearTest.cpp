#include "TestSheet.h"

#include "evaluation/VaneShear.h"

#include <gtest/gtest.h>

namespace {

TMeasure VaneReading(double mMax, double mrMax) {
    TMeasure reading(2.0, 5, NoValue);
    reading.MMax = mMax;
    reading.MRMax = mrMax;
    return reading;
}

} // namespace

TEST(ShearStrength, TorqueOverTheShearMomentOfTheCylinder) {
    EXPECT_NEAR(ShearStrength(80, 40, 1, 1, 10), 0.0426, 5e-5);
    EXPECT_NEAR(ShearStrength(80, 40, 1, 1, 10), 10 / (7.0 / 6 * 1.5707963 * 1600 * 80 * 0.001),
                1e-6);
    EXPECT_NEAR(ShearStrength(80, 40, 0.8, 0.88, 10), 0.0426 * 0.8 * 0.88, 5e-5);
    EXPECT_NEAR(ShearStrength(120, 60, 1, 1, 10), 10 / (3.14159265 * 3600 * (60 + 10) * 0.001),
                1e-7);
}

TEST(ShearStrength, NoValueForMissingInputsOrAVaneOfNoSize) {
    EXPECT_EQ(ShearStrength(80, 40, 1, 1, NoValue), NoValue);
    EXPECT_EQ(ShearStrength(NoValue, 40, 1, 1, 10), NoValue);
    EXPECT_EQ(ShearStrength(80, NoValue, 1, 1, 10), NoValue);
    EXPECT_EQ(ShearStrength(80, 40, NoValue, 1, 10), NoValue);
    EXPECT_EQ(ShearStrength(80, 40, 1, NoValue, 10), NoValue);
    EXPECT_EQ(ShearStrength(0, 40, 1, 1, 10), NoValue);
    EXPECT_EQ(ShearStrength(80, 0, 1, 1, 10), NoValue);
    EXPECT_EQ(ShearStrength(-40.0 / 3, 40, 1, 1, 10), NoValue); // 1 + D / 3H = 0
    EXPECT_EQ(ShearStrength(80, 40, 1, 1, 0), 0.0);
}

TEST(LiquidityFromShear, NaturalLogarithmClampedAtZero) {
    EXPECT_NEAR(LiquidityFromShear(0.05), 0.417, 5e-4);
    EXPECT_EQ(LiquidityFromShear(0.2), 0.0); // the formula gives -0.081
    EXPECT_EQ(LiquidityFromShear(0), NoValue);
    EXPECT_EQ(LiquidityFromShear(-0.01), NoValue);
    EXPECT_EQ(LiquidityFromShear(NoValue), NoValue);
}

TEST(VaneResults, FieldVaneExample) {
    TestSheet t;
    t.VaneKind(VaneKindFVT);
    TMeasure reading = VaneReading(10, 4);
    VaneResults(*t, reading, 1.0);
    EXPECT_NEAR(reading.TauPeak, 0.0426, 5e-5);
    EXPECT_NEAR(reading.TauRes, 0.0171, 5e-5);
    EXPECT_NEAR(reading.IR, 2.5, 1e-12);
    EXPECT_NEAR(reading.ILPeak, 0.475, 5e-4);
    EXPECT_NEAR(reading.ILRes, 0.805, 5e-4);
    EXPECT_NEAR(reading.ILAvg, 0.640, 5e-4);
    EXPECT_EQ(reading.Mu, 1.0);
}

TEST(VaneResults, EachKindUsesItsOwnVaneAndWrench) {
    TestSheet t;
    t->VaneFVT = {2, 60, 120};
    t->WrenchCoefFVT = 0.88;
    t->VaneSLVT = {1, 40, 80};
    t->WrenchCoefSLVT = 1.0;
    TMeasure reading = VaneReading(10, 4);

    t.VaneKind(VaneKindSLVT);
    VaneResults(*t, reading, 1.0);
    EXPECT_NEAR(reading.TauPeak, 0.0426, 5e-5);

    t.VaneKind(VaneKindFVT);
    VaneResults(*t, reading, 1.0);
    EXPECT_NEAR(reading.TauPeak, ShearStrength(120, 60, 1, 0.88, 10), 1e-15);
    EXPECT_NEAR(reading.IR, 2.5, 1e-12);

    t.VaneKind(VaneKindNone);
    VaneResults(*t, reading, 0.8);
    EXPECT_EQ(reading.TauPeak, NoValue);
    EXPECT_EQ(reading.TauRes, NoValue);
    EXPECT_EQ(reading.IR, NoValue);
    EXPECT_EQ(reading.ILAvg, NoValue);
    EXPECT_EQ(reading.Mu, 0.8);
}

TEST(VaneResults, NoRemouldedStrengthGivesNoIndices) {
    TestSheet t;
    t.VaneKind(VaneKindFVT);
    for (double mrMax : {0.0, NoValue}) {
        TMeasure reading = VaneReading(10, mrMax);
        reading.IR = reading.ILRes = reading.ILPeak = reading.ILAvg = 7;
        VaneResults(*t, reading, 1.0);
        EXPECT_NEAR(reading.TauPeak, 0.0426, 5e-5);
        EXPECT_EQ(reading.TauRes, mrMax == 0 ? 0.0 : NoValue);
        EXPECT_EQ(reading.IR, NoValue);
        EXPECT_EQ(reading.ILRes, NoValue);
        EXPECT_EQ(reading.ILPeak, NoValue);
        EXPECT_EQ(reading.ILAvg, NoValue);
    }
}

TEST(VaneResults, ANegativeTorqueGivesNoLiquidityIndexAndNoMean) {
    TestSheet t;
    t.VaneKind(VaneKindFVT);
    TMeasure reading = VaneReading(-10, 4);
    VaneResults(*t, reading, 1.0);
    EXPECT_NEAR(reading.IR, -2.5, 1e-12);
    EXPECT_EQ(reading.ILPeak, NoValue);
    EXPECT_NEAR(reading.ILRes, 0.805, 5e-4);
    EXPECT_EQ(reading.ILAvg, NoValue);
}
