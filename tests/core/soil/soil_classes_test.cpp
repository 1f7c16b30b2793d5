#include "core/app/errors.h"
#include "core/soil/soil_classes.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace bulbicalc {
namespace {

struct ClassCase {
    double value;
    const char* name;
    friend std::ostream& operator<<(std::ostream& out, const ClassCase& c) { return out << c.value; }
};

class ClayClass : public testing::TestWithParam<ClassCase> {};

TEST_P(ClayClass, FollowsTheBandsOfClay)
{
    EXPECT_EQ(std::string(clayClass(GetParam().value)), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(SoilClasses, ClayClass,
                         testing::Values(ClassCase{100, "Classe 1"}, ClassCase{60, "Classe 1"},
                                         ClassCase{59.9, "Classe 2"}, ClassCase{40.5, "Classe 2"},
                                         ClassCase{40.01, "Classe 2"}, ClassCase{40, "Classe 3"},
                                         ClassCase{20.1, "Classe 3"}, ClassCase{20, "Classe 4"},
                                         ClassCase{0, "Classe 4"}, ClassCase{-5, "Classe 4"}));

class CtcClass : public testing::TestWithParam<ClassCase> {};

TEST_P(CtcClass, FollowsTheBandsOfCtc)
{
    EXPECT_EQ(std::string(ctcClass(GetParam().value)), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(SoilClasses, CtcClass,
                         testing::Values(ClassCase{0, "Baixa"}, ClassCase{7.5, "Baixa"},
                                         ClassCase{7.51, "Média"}, ClassCase{15, "Média"},
                                         ClassCase{15.01, "Alta"}, ClassCase{30, "Alta"},
                                         ClassCase{30.1, "Muito alta"}, ClassCase{1e20, "Muito alta"}));

TEST(Mehlich3, PhosphorusDependsOnClay)
{
    EXPECT_DOUBLE_EQ(mehlich1Phosphorus(30, 40), 25);
    EXPECT_DOUBLE_EQ(mehlich1Phosphorus(30, 0), 15);
    EXPECT_DOUBLE_EQ(mehlich1Phosphorus(30, 75), 60);
}

TEST(Mehlich3, ClayOfOneHundredIsADivisionByZero)
{
    EXPECT_THROW(mehlich1Phosphorus(30, 100), DivisionByZeroError);
    EXPECT_THROW(mehlich1Phosphorus(0, 100), InvalidOperationError);
}

TEST(Mehlich3, PotassiumIsEightyThreePercent)
{
    EXPECT_DOUBLE_EQ(mehlich1Potassium(100), 83);
    EXPECT_DOUBLE_EQ(mehlich1Potassium(0), 0);
}

} // namespace
} // namespace bulbicalc
