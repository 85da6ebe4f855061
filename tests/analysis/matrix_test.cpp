#include "analysis/SUBS/matrix.h"

#include <gtest/gtest.h>

#include <functional>

namespace vx {
namespace {

Matrix FromRows(std::initializer_list<std::initializer_list<double>> rows) {
    Matrix m(static_cast<std::int32_t>(rows.size()),
             static_cast<std::int32_t>(rows.begin()->size()), 0.0);
    int i = 1;
    for (auto row : rows) {
        int j = 1;
        for (double v : row) m.element(i, j++) = v;
        ++i;
    }
    return m;
}

TEST(Matrix, InverseTimesMatrixIsTheIdentity) {
    const Matrix a = FromRows({{4, 1, 2}, {1, 3, 0.5}, {2, 0.5, 5}});
    const Matrix inv = inverse(a);
    Matrix swept = a;
    sweep(swept, 3, 1);  // pivots in either order
    const Matrix id = multiply(a, inv);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) {
            EXPECT_NEAR(id.element(i, j), i == j ? 1.0 : 0.0, 1e-12) << i << "," << j;
            EXPECT_DOUBLE_EQ(swept.element(i, j), inv.element(i, j));
        }
    EXPECT_DOUBLE_EQ(a.element(2, 3), 0.5);  // inverse works on a copy
}

TEST(Matrix, VanishingPivotsGiveAGeneralisedInverse) {
    // A singular system: the zero pivot's row and column are zeroed, the rest is inverted.
    const Matrix inv = inverse(FromRows({{2, 0}, {0, 0}}));
    EXPECT_DOUBLE_EQ(inv.element(1, 1), 0.5);
    EXPECT_DOUBLE_EQ(inv.element(2, 2), 0.0);
}

TEST(Matrix, CopiesAndAssignmentOwnTheirElements) {
    Matrix a(2, 3, 1.5);
    EXPECT_EQ(a.size(), 6);
    EXPECT_DOUBLE_EQ(a.element(6), 1.5);
    Matrix b(a);
    b.element(1, 1) = 9;
    EXPECT_DOUBLE_EQ(a.element(1, 1), 1.5);
    Matrix c(4, 4, 0.0);
    c = a;
    EXPECT_EQ(c.rows(), 2);
    EXPECT_EQ(c.cols(), 3);
    EXPECT_DOUBLE_EQ(c.element(2, 3), 1.5);
    Matrix& self = c;
    c = self;
    EXPECT_DOUBLE_EQ(c.element(5), 1.5);
    // Storage order is row-major: element (2, 1) is element 4.
    a.element(2, 1) = 7;
    EXPECT_DOUBLE_EQ(a.element(4), 7);
}

TEST(Matrix, MisuseThrowsWithItsText) {
    struct Case {
        const char* text;
        std::function<void()> misuse;
    };
    const std::vector<Case> cases = {
        {"n<=0 in initialized constructor", [] { Matrix(0, 3); }},
        {"n<=0 in initialized constructor", [] { Matrix(-2, -3); }},
        {"allocation failure in constructor", [] { Matrix(65536, 65536); }},
        {"Index out of range or null matrix", [] { Matrix(2, 3).element(0); }},
        {"Index out of range or null matrix", [] { Matrix(2, 3).element(7); }},
        {"Index out of range or null matrix", [] { Matrix(2, 3).element(3, 1); }},
        {"Index out of range or null matrix", [] { Matrix(2, 3).element(1, 0); }},
        {"Matrices do not conform in multiplication", [] { multiply(Matrix(2, 3), Matrix(2, 3)); }},
        {"sweep: matrix a not square",
         [] {
             Matrix m(2, 3);
             sweep(m, 1, 2);
         }},
        {"Index out of range or null matrix",
         [] {
             Matrix m(3, 3, 1.0);
             sweep(m, 1, 4);
         }},
        {"Index out of range or null matrix",
         [] {
             Matrix m(3, 3, 1.0);
             sweep(m, 0, 2);
         }},
        {"INVERSE: matrix a not square", [] { inverse(Matrix(3, 2)); }},
    };
    for (const Case& c : cases) {
        try {
            c.misuse();
            ADD_FAILURE() << "no exception for: " << c.text;
        } catch (const MatrixException& e) {
            EXPECT_STREQ(e.what(), c.text);
        }
    }
}

}  // namespace
}  // namespace vx
