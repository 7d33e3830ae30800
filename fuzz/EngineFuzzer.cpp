// Fuzzes regre() with control blocks near the meaningful ones, matrices of
// arbitrary floats (NaN, infinities and denormals included) and an arbitrary
// result block to step from. Whatever comes in, every result written must be
// finite and rows past the candidates written must be empty.
#include <orvo/engine/regre.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

class Bytes {
public:
    Bytes(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    uint8_t next() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    float nextFloat() {
        const uint8_t kind = next();
        if (kind < 128)
            return static_cast<float>(kind % 16) * 0.5f + static_cast<float>(next()) / 64.0f;
        uint32_t bits = 0;
        for (int i = 0; i < 4; ++i)
            bits = bits << 8 | next();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

std::array<int32_t, 19> controlBlock(Bytes& bytes, int rows) {
    std::array<int32_t, 19> params{};
    params[0] = params[3] = 1;
    params[1] = bytes.next() % 5;
    params[2] = bytes.next() % 7;
    params[8] = bytes.next() % 3;
    params[9] = bytes.next() % 2 == 0 ? 0 : 2;
    params[13] = 1 + bytes.next() % rows;
    params[14] = params[13] + bytes.next() % (rows - params[13] + 1);
    params[16] = bytes.next() % 3 - 1;
    params[17] = bytes.next() % 18;
    return params;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Bytes bytes(data, size);
    const int rows = 1 + bytes.next() % 40;
    std::array<int32_t, 19> params = controlBlock(bytes, rows);
    std::vector<float> matrix(static_cast<size_t>(rows) * 36);
    for (size_t row = 0; row < static_cast<size_t>(rows); ++row) {
        for (size_t column = 5; column <= 14; ++column)
            matrix[row * 36 + column] = bytes.nextFloat();
        matrix[row * 36 + 28 + static_cast<size_t>(bytes.next() % 4)] = bytes.nextFloat();
        matrix[row * 36 + 34] = static_cast<float>(bytes.next() % 3);
    }
    std::array<float, 340> results{};
    for (float& value : results)
        value = bytes.nextFloat();

    const int32_t written = regre(params.data(), matrix.data(), results.data());
    if (written < -1 || written > 17)
        std::abort();
    for (size_t i = 0; i < results.size(); ++i) {
        const bool unusedRow = static_cast<int32_t>(i / 20) >= written;
        if (!std::isfinite(results[i]) || (unusedRow && results[i] != 0.0f))
            std::abort();
    }
    return 0;
}
