// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the time's-up alert: a short two-note chime as a 16-bit mono WAV file.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

void Put(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_alert OUTPUT.wav\n");
        return 2;
    }
    constexpr int kRate = 22050;
    constexpr double kPi = 3.14159265358979323846;
    const struct {
        double frequency;
        double start;
        double length;
    } notes[] = {{880.0, 0.0, 0.7}, {1318.5, 0.35, 1.0}};
    const int total = static_cast<int>(kRate * 1.4);
    std::vector<std::int16_t> samples(static_cast<std::size_t>(total));
    for (int i = 0; i < total; ++i) {
        const double t = static_cast<double>(i) / kRate;
        double value = 0;
        for (const auto& note : notes) {
            const double local = t - note.start;
            if (local < 0 || local > note.length)
                continue;
            const double envelope = std::min(1.0, local * 200) * std::exp(-4.0 * local);
            value += envelope * (std::sin(2 * kPi * note.frequency * local) +
                                 0.3 * std::sin(4 * kPi * note.frequency * local));
        }
        samples[static_cast<std::size_t>(i)] =
            static_cast<std::int16_t>(std::clamp(value * 0.35, -1.0, 1.0) * 32767);
    }

    std::vector<unsigned char> out;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    for (const char c : {'R', 'I', 'F', 'F'})
        out.push_back(static_cast<unsigned char>(c));
    Put(out, 36 + dataBytes, 4);
    for (const char c : {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '})
        out.push_back(static_cast<unsigned char>(c));
    Put(out, 16, 4);
    Put(out, 1, 2); // PCM
    Put(out, 1, 2); // mono
    Put(out, kRate, 4);
    Put(out, kRate * 2, 4);
    Put(out, 2, 2);
    Put(out, 16, 2);
    for (const char c : {'d', 'a', 't', 'a'})
        out.push_back(static_cast<unsigned char>(c));
    Put(out, dataBytes, 4);
    for (const std::int16_t sample : samples)
        Put(out, static_cast<std::uint16_t>(sample), 2);

    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr || std::fwrite(out.data(), 1, out.size(), file) != out.size() ||
        std::fclose(file) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
