// A small dense matrix of doubles, addressed from 1, with multiplication, the sweep operator
// and the inverse. Misuse is reported with MatrixException.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace vx {

class MatrixException : public std::runtime_error {
  public:
    explicit MatrixException(const char* message) : std::runtime_error(message) {}
};

class Matrix {
  public:
    // rows x cols elements, each set to value.
    Matrix(std::int32_t rows, std::int32_t cols, double value = 0.0);
    Matrix(const Matrix& other);
    Matrix& operator=(const Matrix& other);
    ~Matrix() = default;

    std::int32_t rows() const { return rows_; }
    std::int32_t cols() const { return cols_; }
    std::int32_t size() const { return size_; }

    // Element k (1..size) in row-major storage order.
    double& element(std::int32_t k);
    double element(std::int32_t k) const;
    // Element (i, j), 1..rows and 1..cols.
    double& element(std::int32_t i, std::int32_t j);
    double element(std::int32_t i, std::int32_t j) const;

  private:
    std::size_t index(std::int32_t i, std::int32_t j) const;

    std::int32_t rows_ = 0;
    std::int32_t cols_ = 0;
    std::int32_t size_ = 0;
    std::vector<double> data_;
};

// a.rows x b.cols; the sums run in long double and are rounded to double when stored.
Matrix multiply(const Matrix& a, const Matrix& b);
// Sweeps square a in place on the pivots min(k1, k2) .. max(k1, k2) and returns a copy of it.
// A pivot below 1e-8 in absolute value zeroes its row and column instead.
Matrix sweep(Matrix& a, std::int32_t k1, std::int32_t k2);
// A copy of square a swept on all pivots: the inverse of a regular matrix, a generalised
// inverse when pivots vanish.
Matrix inverse(const Matrix& a);

}  // namespace vx
