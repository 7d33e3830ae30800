#include "NaiveBestSubsets.h"

#include <Eigen/QR>

#include <algorithm>
#include <bit>
#include <functional>

namespace orvo::bench {

std::vector<unsigned> NaiveBestSubsets::ofSize(int k) {
    std::vector<unsigned> subsets;
    for (unsigned bits = 0; bits < 1024; ++bits) {
        if (std::popcount(bits) == k)
            subsets.push_back(bits);
    }
    return subsets;
}

std::vector<unsigned> NaiveBestSubsets::stepsFrom(unsigned origin, int mode) {
    std::vector<unsigned> subsets;
    for (unsigned bit = 1; bit < 1024; bit <<= 1) {
        if (((origin & bit) != 0) == (mode < 0))
            subsets.push_back(origin ^ bit);
    }
    return subsets;
}

Eigen::MatrixXd NaiveBestSubsets::columnsOf(const std::vector<float>& matrix, int points) {
    Eigen::MatrixXd columns(points, 11);
    for (int point = 0; point < points; ++point) {
        const float* row = &matrix[static_cast<size_t>(point) * 36];
        for (int signal = 0; signal < 10; ++signal)
            columns(point, signal) = row[5 + signal];
        columns(point, 10) = row[28];
    }
    return columns;
}

std::vector<double> NaiveBestSubsets::run(const std::vector<float>& matrix, int points,
                                          const std::vector<unsigned>& subsets) {
    const Eigen::MatrixXd data = columnsOf(matrix, points);
    const auto signals = data.leftCols<10>();
    const Eigen::VectorXd lab = data.col(10);
    const double total = (lab.array() - lab.mean()).matrix().squaredNorm();
    std::vector<double> correlations;
    for (const unsigned bits : subsets) {
        Eigen::MatrixXd columns(points, std::popcount(bits) + 1);
        columns.col(0).setOnes();
        int column = 1;
        for (int signal = 0; signal < 10; ++signal) {
            if ((bits >> signal & 1u) != 0)
                columns.col(column++) = signals.col(signal);
        }
        const Eigen::HouseholderQR<Eigen::MatrixXd> qr(columns);
        const Eigen::VectorXd parameters = qr.solve(lab);
        const double residual = (lab - columns * parameters).squaredNorm();
        correlations.push_back(std::sqrt(std::max(0.0, 1 - residual / total)));
    }
    const auto kept = std::min<size_t>(17, correlations.size());
    std::partial_sort(correlations.begin(), correlations.begin() + static_cast<long>(kept),
                      correlations.end(), std::greater<>());
    correlations.resize(kept);
    return correlations;
}

} // namespace orvo::bench
