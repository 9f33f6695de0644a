// SPDX-License-Identifier: MIT
// Fitting and summing a Chebyshev series.
#include "engine/base/Chebyshev.h"

#include <algorithm>
#include <cmath>
#include <numbers>

double ChebyshevSeries::NodeOf(int k, int count, double from, double to) {
    const double middle = (from + to) / 2;
    const double half = (to - from) / 2;
    return middle + half * std::cos(std::numbers::pi * (k + 0.5) / count);
}

ChebyshevSeries::ChebyshevSeries(const double* values, int count, double from, double to)
    : count_(std::clamp(count, 2, MostTerms)), middle_((from + to) / 2), half_((to - from) / 2) {
    // The discrete orthogonality of the cosines at the nodes gives each coefficient at once.
    for (int j = 0; j < count_; ++j) {
        double sum = 0;
        for (int k = 0; k < count_; ++k) {
            sum += values[k] * std::cos(std::numbers::pi * j * (k + 0.5) / count_);
        }
        value_[static_cast<std::size_t>(j)] = 2 * sum / count_;
    }
    // The derivative's coefficients, from the highest down.
    for (int j = count_ - 1; j >= 1; --j) {
        const auto i = static_cast<std::size_t>(j);
        slope_[i - 1] = (i + 1 < MostTerms ? slope_[i + 1] : 0) + 2 * j * value_[i];
    }
}

double ChebyshevSeries::Sum(const std::array<double, MostTerms>& c, int count, double x) {
    // Clenshaw's recurrence; the first coefficient counts half.
    double next = 0, afterNext = 0;
    for (int j = count - 1; j >= 1; --j) {
        const double current = 2 * x * next - afterNext + c[static_cast<std::size_t>(j)];
        afterNext = next;
        next = current;
    }
    return x * next - afterNext + c[0] / 2;
}

double ChebyshevSeries::ValueAt(double t) const {
    return Sum(value_, count_, (t - middle_) / half_);
}

double ChebyshevSeries::SlopeAt(double t) const {
    return Sum(slope_, count_ - 1, (t - middle_) / half_) / half_;
}

double ChebyshevSeries::LastTerm() const {
    return std::fabs(value_[static_cast<std::size_t>(count_ - 1)]);
}
