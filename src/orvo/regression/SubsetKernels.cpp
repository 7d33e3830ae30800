#include <orvo/regression/SubsetKernels.h>

#include <Eigen/Cholesky>

#include <type_traits>
#include <utility>

namespace orvo {

namespace {

using Small = SubsetKernels::Small;
using Columns = SubsetKernels::Columns;

// Blocks of this many points; the points after the last whole block go one
// by one.
constexpr Eigen::Index kBlock = 16;

template <typename Body> void overPointBlocks(Eigen::Index count, Body&& body) {
    Eigen::Index i = 0;
    for (; i + kBlock <= count; i += kBlock)
        body(i, std::integral_constant<int, kBlock>());
    for (; i < count; ++i)
        body(i, std::integral_constant<int, 1>());
}

template <int B>
Eigen::Map<const Eigen::Array<double, B, 1>> part(const double* column, Eigen::Index i) {
    return Eigen::Map<const Eigen::Array<double, B, 1>>(column + i);
}

template <int M> struct FixedCount {
    using Block = Eigen::Matrix<double, M, M>;
    using Vector = Eigen::Matrix<double, M, 1>;

    static bool invertFactor(const Small& gram, const int* kept, double tolerance,
                             Small& inverseFactor) {
        Block products;
        for (int i = 0; i < M; ++i)
            for (int j = 0; j < M; ++j)
                products(i, j) = gram(kept[i] - 1, kept[j] - 1);
        const Eigen::LLT<Block> factor(products);
        if (factor.info() != Eigen::Success ||
            !(factor.matrixLLT().diagonal().array() > tolerance).all())
            return false;
        inverseFactor.setIdentity();
        // Column by column: for blocks this small the vector solve is the faster kernel.
        for (int column = 0; column < M; ++column) {
            Vector unit = Vector::Unit(column);
            factor.matrixL().solveInPlace(unit);
            inverseFactor.col(column).template head<M>() = unit;
        }
        return true;
    }

    static void residuals(const double* lab, const Columns& columns, const double* coefficients,
                          Eigen::Index points, double* residuals) {
        overPointBlocks(points, [&](Eigen::Index i, auto size) {
            constexpr int B = decltype(size)::value;
            Eigen::Array<double, B, 1> residual = part<B>(lab, i);
            for (int j = 0; j < M; ++j)
                residual -= coefficients[j] * part<B>(columns[static_cast<std::size_t>(j)], i);
            Eigen::Map<Eigen::Array<double, B, 1>>(residuals + i) = residual;
        });
    }

    // Entry j of L^-1 x takes the first j + 1 kept signals.
    static void leverages(const Columns& columns, const Small& inverseFactor, Eigen::Index points,
                          double* leverages) {
        const double share = 1.0 / static_cast<double>(points);
        overPointBlocks(points, [&](Eigen::Index i, auto size) {
            constexpr int B = decltype(size)::value;
            using Part = Eigen::Array<double, B, 1>;
            Part leverage = Part::Constant(share);
            for (int j = 0; j < M; ++j) {
                Part projection = inverseFactor(j, 0) * part<B>(columns[0], i);
                for (int l = 1; l <= j; ++l)
                    projection +=
                        inverseFactor(j, l) * part<B>(columns[static_cast<std::size_t>(l)], i);
                leverage += projection.square();
            }
            Eigen::Map<Part>(leverages + i) = leverage;
        });
    }
};

template <int... M>
constexpr std::array<SubsetKernels, sizeof...(M)> kernelsOf(std::integer_sequence<int, M...>) {
    return {SubsetKernels{&FixedCount<M + 1>::invertFactor, &FixedCount<M + 1>::residuals,
                          &FixedCount<M + 1>::leverages}...};
}

constexpr auto kKernels = kernelsOf(std::make_integer_sequence<int, SubsetKernels::kMaxSignals>());

} // namespace

const SubsetKernels& SubsetKernels::forCount(std::size_t count) {
    return kKernels[count - 1];
}

} // namespace orvo
