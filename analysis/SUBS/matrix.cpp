#include "analysis/SUBS/matrix.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>

namespace vx {

namespace {

constexpr const char* kIndexError = "Index out of range or null matrix";
constexpr double kSweepTolerance = 1e-8;

// The element count of a rows x cols matrix, or -1 when it does not fit the 32-bit size.
std::int64_t ElementCount(std::int32_t rows, std::int32_t cols) {
    const std::int64_t n = std::int64_t{rows} * std::int64_t{cols};
    return n > std::numeric_limits<std::int32_t>::max() ? -1 : n;
}

}  // namespace

Matrix::Matrix(std::int32_t rows, std::int32_t cols, double value) {
    if (rows <= 0 || cols <= 0) throw MatrixException("n<=0 in initialized constructor");
    const std::int64_t n = ElementCount(rows, cols);
    if (n < 0) throw MatrixException("allocation failure in constructor");
    try {
        data_.assign(static_cast<std::size_t>(n), value);
    } catch (const std::bad_alloc&) {
        throw MatrixException("allocation failure in constructor");
    }
    rows_ = rows;
    cols_ = cols;
    size_ = static_cast<std::int32_t>(n);
}

Matrix::Matrix(const Matrix& other) {
    try {
        data_ = other.data_;
    } catch (const std::bad_alloc&) {
        throw MatrixException("allocation failure in copy contructor");
    }
    rows_ = other.rows_;
    cols_ = other.cols_;
    size_ = other.size_;
}

Matrix& Matrix::operator=(const Matrix& other) {
    if (this == &other) return *this;
    if (size_ != other.size_) {
        // The old storage goes first; a failure leaves an empty matrix behind.
        data_ = std::vector<double>();
        rows_ = cols_ = size_ = 0;
        try {
            data_.resize(other.data_.size());
        } catch (const std::bad_alloc&) {
            data_ = std::vector<double>();
            throw MatrixException("allocation failure in assignment operator");
        }
    }
    std::copy(other.data_.begin(), other.data_.end(), data_.begin());
    rows_ = other.rows_;
    cols_ = other.cols_;
    size_ = other.size_;
    return *this;
}

double& Matrix::element(std::int32_t k) {
    if (k < 1 || k > size_ || data_.empty()) throw MatrixException(kIndexError);
    return data_[static_cast<std::size_t>(k - 1)];
}

double Matrix::element(std::int32_t k) const {
    return const_cast<Matrix*>(this)->element(k);
}

std::size_t Matrix::index(std::int32_t i, std::int32_t j) const {
    if (i < 1 || i > rows_ || j < 1 || j > cols_ || data_.empty())
        throw MatrixException(kIndexError);
    return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(cols_) +
           static_cast<std::size_t>(j - 1);
}

double& Matrix::element(std::int32_t i, std::int32_t j) {
    return data_[index(i, j)];
}

double Matrix::element(std::int32_t i, std::int32_t j) const {
    return data_[index(i, j)];
}

Matrix multiply(const Matrix& a, const Matrix& b) {
    if (b.rows() != a.cols()) throw MatrixException("Matrices do not conform in multiplication");
    Matrix c(a.rows(), b.cols(), 0.0);
    for (std::int32_t i = 1; i <= a.rows(); ++i)
        for (std::int32_t k = 1; k <= b.cols(); ++k) {
            long double sum = 0;
            for (std::int32_t j = 1; j <= a.cols(); ++j)
                sum += static_cast<long double>(a.element(i, j)) * b.element(j, k);
            c.element(i, k) = static_cast<double>(sum);
        }
    return c;
}

Matrix sweep(Matrix& a, std::int32_t k1, std::int32_t k2) {
    if (a.rows() != a.cols()) throw MatrixException("sweep: matrix a not square");
    const std::int32_t n = a.rows();
    const std::int32_t first = std::min(k1, k2);
    const std::int32_t last = std::max(k1, k2);
    if (first < 1 || last > n) throw MatrixException(kIndexError);
    for (std::int32_t i = first; i <= last; ++i) {
        if (std::fabs(a.element(i, i)) < kSweepTolerance) {
            for (std::int32_t j = 1; j <= n; ++j) {
                a.element(i, j) = 0;
                a.element(j, i) = 0;
            }
            continue;
        }
        const double d = 1.0 / a.element(i, i);
        a.element(i, i) = d;
        for (std::int32_t r = 1; r <= n; ++r)
            if (r != i) a.element(r, i) = -d * a.element(r, i);
        for (std::int32_t c = 1; c <= n; ++c)
            if (c != i) a.element(i, c) = d * a.element(i, c);
        for (std::int32_t r = 1; r <= n; ++r) {
            if (r == i) continue;
            for (std::int32_t c = 1; c <= n; ++c)
                if (c != i) a.element(r, c) += a.element(i, c) * a.element(r, i) / d;
        }
    }
    return a;
}

Matrix inverse(const Matrix& a) {
    if (a.rows() != a.cols()) throw MatrixException("INVERSE: matrix a not square");
    Matrix b(a);
    return sweep(b, 1, b.rows());
}

}  // namespace vx
