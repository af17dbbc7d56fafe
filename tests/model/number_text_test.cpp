#include "model/number_text.h"

#include <gtest/gtest.h>

namespace quintel {
namespace {

TEST(NumberText, WritesWholeNumbersAndShortFractions) {
    EXPECT_EQ(numberText(0.25), "0.25");
    EXPECT_EQ(numberText(1.0), "1");
    EXPECT_EQ(numberText(0.0), "0");
    EXPECT_EQ(numberText(0.66), "0.66");
    EXPECT_EQ(numberText(7056.0 / 7776.0), "0.907407407407407");
    EXPECT_EQ(numberText(1.0 / 7776.0), "0.000128600823045268");
    EXPECT_EQ(numberText(-3), "-3");
    EXPECT_EQ(numberText(32767), "32767");
}

TEST(NumberText, WritesAnExponentInCapitals) {
    EXPECT_EQ(numberText(1.0 / 46656.0), "2.14334705075446E-05");
    EXPECT_EQ(numberText(1.5e-5), "1.5E-05");
}

TEST(NumberText, ExactFormReadsBackTheSameDouble) {
    const double value = 7056.0 / 7776.0;
    EXPECT_EQ(std::stod(exactNumberText(value)), value);
}

} // namespace
} // namespace quintel
