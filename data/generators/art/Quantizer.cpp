#include "art/Quantizer.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <unordered_map>

namespace parlevox::art {
namespace {

struct Entry {
    float c[3];
    double weight;
};

using Centre = std::array<float, 3>;

float Distance2(const float* a, const Centre& b) {
    float d0 = a[0] - b[0], d1 = a[1] - b[1], d2 = a[2] - b[2];
    return d0 * d0 * 0.30f + d1 * d1 * 0.59f + d2 * d2 * 0.11f + (d0 * d0 + d1 * d1 + d2 * d2) * 0.2f;
}

size_t Nearest(const float* c, const std::vector<Centre>& centres) {
    size_t best = 0;
    float bestDistance = 1e30f;
    for (size_t i = 0; i < centres.size(); ++i) {
        float d = Distance2(c, centres[i]);
        if (d < bestDistance) bestDistance = d, best = i;
    }
    return best;
}

std::vector<Entry> Histogram(const std::vector<unsigned char>& rgb) {
    std::unordered_map<uint32_t, double> counts;
    for (size_t i = 0; i + 2 < rgb.size(); i += 3) counts[rgb[i] << 16 | rgb[i + 1] << 8 | rgb[i + 2]] += 1;
    std::vector<Entry> entries;
    for (auto [key, count] : counts)
        entries.push_back({{float(key >> 16 & 255), float(key >> 8 & 255), float(key & 255)}, count});
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {  // deterministic order
        return std::tie(a.c[0], a.c[1], a.c[2]) < std::tie(b.c[0], b.c[1], b.c[2]);
    });
    return entries;
}

Centre Average(const Entry* first, const Entry* last) {
    double sum[3] = {}, weight = 0;
    for (const Entry* e = first; e != last; ++e) {
        for (int k = 0; k < 3; ++k) sum[k] += e->c[k] * e->weight;
        weight += e->weight;
    }
    return {float(sum[0] / weight), float(sum[1] / weight), float(sum[2] / weight)};
}

std::vector<Centre> MedianCut(std::vector<Entry>& entries, int count) {
    struct Box {
        size_t first, last;
        int axis = 0;
        float score = 0;
    };
    auto measure = [&](Box& box) {
        float low[3] = {255, 255, 255}, high[3] = {0, 0, 0};
        double weight = 0;
        for (size_t i = box.first; i < box.last; ++i) {
            for (int k = 0; k < 3; ++k) {
                low[k] = std::min(low[k], entries[i].c[k]);
                high[k] = std::max(high[k], entries[i].c[k]);
            }
            weight += entries[i].weight;
        }
        box.axis = 0;
        for (int k = 1; k < 3; ++k)
            if (high[k] - low[k] > high[box.axis] - low[box.axis]) box.axis = k;
        float range = high[box.axis] - low[box.axis];
        box.score = box.last - box.first > 1 ? range * float(std::sqrt(weight)) : -1;
    };
    std::vector<Box> boxes{{0, entries.size()}};
    measure(boxes[0]);
    while (static_cast<int>(boxes.size()) < count) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](auto& a, auto& b) { return a.score < b.score; });
        if (widest->score <= 0) break;
        Box box = *widest;
        std::sort(entries.begin() + box.first, entries.begin() + box.last,
                  [axis = box.axis](const Entry& a, const Entry& b) { return a.c[axis] < b.c[axis]; });
        double half = 0, total = 0;
        for (size_t i = box.first; i < box.last; ++i) total += entries[i].weight;
        size_t split = box.first;
        while (split < box.last - 1 && half + entries[split].weight < total / 2) half += entries[split++].weight;
        split = std::clamp(split, box.first + 1, box.last - 1);
        Box low{box.first, split}, high{split, box.last};
        measure(low);
        measure(high);
        *widest = low;
        boxes.push_back(high);
    }
    std::vector<Centre> centres;
    for (const Box& box : boxes) centres.push_back(Average(&entries[box.first], &entries[box.last]));
    return centres;
}

void Refine(const std::vector<Entry>& entries, std::vector<Centre>& centres, int rounds) {
    for (int round = 0; round < rounds; ++round) {
        std::vector<std::array<double, 4>> sums(centres.size(), {0, 0, 0, 0});
        for (const Entry& e : entries) {
            auto& s = sums[Nearest(e.c, centres)];
            for (int k = 0; k < 3; ++k) s[k] += e.c[k] * e.weight;
            s[3] += e.weight;
        }
        for (size_t i = 0; i < centres.size(); ++i)
            if (sums[i][3] > 0)
                for (int k = 0; k < 3; ++k) centres[i][k] = float(sums[i][k] / sums[i][3]);
    }
}

constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

}  // namespace

IndexedImage Quantize(const std::vector<unsigned char>& rgb, int width, int height, const QuantizeOptions& options) {
    int colours = options.shadedCopies ? std::min(options.colours, 64) : options.colours;
    std::vector<Entry> entries = Histogram(rgb);
    std::vector<Centre> centres = MedianCut(entries, colours);
    Refine(entries, centres, 4);

    IndexedImage image{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height), {}};
    std::unordered_map<uint32_t, uint8_t> cache;
    std::vector<double> use(centres.size(), 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            size_t at = static_cast<size_t>(y) * width + x;
            float c[3];
            float jitter = y < options.ditherRows ? (kBayer[y & 3][x & 3] - 7.5f) * 0.5f : 0;
            for (int k = 0; k < 3; ++k) c[k] = std::clamp(rgb[at * 3 + k] + jitter, 0.f, 255.f);
            uint32_t key = uint32_t(c[0]) << 16 | uint32_t(c[1]) << 8 | uint32_t(c[2]);
            auto found = cache.find(key);
            uint8_t index = found != cache.end() ? found->second : (cache[key] = uint8_t(Nearest(c, centres)));
            image.indices[at] = index;
            use[index] += 1;
        }

    // Most used first.
    std::vector<size_t> order(centres.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return use[a] > use[b]; });
    std::vector<uint8_t> newIndex(centres.size());
    for (size_t i = 0; i < order.size(); ++i) newIndex[order[i]] = uint8_t(i);
    for (uint8_t& index : image.indices) index = newIndex[index];
    auto put = [&](size_t at, float r, float g, float b) {
        image.table[at * 4] = uint8_t(std::lround(std::clamp(b, 0.f, 255.f)));
        image.table[at * 4 + 1] = uint8_t(std::lround(std::clamp(g, 0.f, 255.f)));
        image.table[at * 4 + 2] = uint8_t(std::lround(std::clamp(r, 0.f, 255.f)));
    };
    for (size_t i = 0; i < order.size(); ++i) put(i, centres[order[i]][0], centres[order[i]][1], centres[order[i]][2]);
    if (options.shadedCopies)
        for (size_t band = 1; band <= 3; ++band)
            for (size_t i = 0; i < 64; ++i)
                for (int k = 0; k < 3; ++k)
                    image.table[(64 * band + i) * 4 + k] = uint8_t(image.table[i * 4 + k] * (6 - band) / 6);
    return image;
}

}  // namespace parlevox::art
