#include "median_cut.h"

#include <algorithm>
#include <array>

namespace {

constexpr unsigned kBins = 1u << 15;

unsigned BinOf(const std::uint8_t* p) { return ((p[0] >> 3) << 10) | ((p[1] >> 3) << 5) | (p[2] >> 3); }
unsigned Component(unsigned bin, int channel) { return (bin >> (10 - 5 * channel)) & 31; }

struct Histogram {
  std::vector<std::uint32_t> count = std::vector<std::uint32_t>(kBins);
  std::vector<std::array<std::uint64_t, 3>> sum = std::vector<std::array<std::uint64_t, 3>>(kBins);
};

// A set of histogram bins that becomes one palette entry.
struct Box {
  std::vector<unsigned> bins;
  std::uint64_t population = 0;
  int widestChannel = 0;
  unsigned extent = 0;
};

Box MakeBox(std::vector<unsigned> bins, const Histogram& histogram) {
  Box box;
  unsigned low[3] = {31, 31, 31}, high[3] = {0, 0, 0};
  for (unsigned bin : bins) {
    box.population += histogram.count[bin];
    for (int c = 0; c < 3; ++c) {
      low[c] = std::min(low[c], Component(bin, c));
      high[c] = std::max(high[c], Component(bin, c));
    }
  }
  for (int c = 0; c < 3; ++c) {
    if (high[c] - low[c] >= box.extent) {
      box.extent = high[c] - low[c];
      box.widestChannel = c;
    }
  }
  box.bins = std::move(bins);
  return box;
}

// Splits the box along its widest channel where half of its pixels lie on each side.
std::pair<Box, Box> Split(Box box, const Histogram& histogram) {
  const int channel = box.widestChannel;
  std::sort(box.bins.begin(), box.bins.end(),
            [channel](unsigned a, unsigned b) { return Component(a, channel) < Component(b, channel); });
  std::uint64_t running = 0;
  std::size_t cut = 1;
  for (; cut < box.bins.size(); ++cut) {
    running += histogram.count[box.bins[cut - 1]];
    if (running * 2 >= box.population) break;
  }
  cut = std::min(cut, box.bins.size() - 1);
  std::vector<unsigned> upper(box.bins.begin() + static_cast<std::ptrdiff_t>(cut), box.bins.end());
  box.bins.resize(cut);
  return {MakeBox(std::move(box.bins), histogram), MakeBox(std::move(upper), histogram)};
}

Rgb MeanColour(const Box& box, const Histogram& histogram) {
  std::uint64_t total[3] = {0, 0, 0};
  for (unsigned bin : box.bins) {
    for (int c = 0; c < 3; ++c) total[c] += histogram.sum[bin][c];
  }
  auto mean = [&](int c) { return static_cast<std::uint8_t>((total[c] + box.population / 2) / box.population); };
  return Rgb{mean(0), mean(1), mean(2)};
}

std::uint8_t Nearest(const Rgb& colour, const Palette& palette) {
  std::size_t best = 0;
  int bestDistance = 1 << 30;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const int dr = colour.r - palette[i].r, dg = colour.g - palette[i].g, db = colour.b - palette[i].b;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = i;
    }
  }
  return static_cast<std::uint8_t>(best);
}

}  // namespace

IndexedImage QuantizeMedianCut(const Image& image, unsigned maxColors) {
  Histogram histogram;
  const std::size_t count = std::size_t(image.width) * image.height;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* p = &image.rgb[3 * i];
    const unsigned bin = BinOf(p);
    ++histogram.count[bin];
    for (int c = 0; c < 3; ++c) histogram.sum[bin][c] += p[c];
  }
  std::vector<unsigned> used;
  for (unsigned bin = 0; bin < kBins; ++bin) {
    if (histogram.count[bin] != 0) used.push_back(bin);
  }

  std::vector<Box> boxes;
  boxes.push_back(MakeBox(std::move(used), histogram));
  while (boxes.size() < maxColors) {
    // The most populous box that can still be cut, weighted by how far its colours spread.
    auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
      return a.population * a.extent < b.population * b.extent;
    });
    if (widest->bins.size() < 2 || widest->extent == 0) break;
    auto halves = Split(std::move(*widest), histogram);
    *widest = std::move(halves.first);
    boxes.push_back(std::move(halves.second));
  }

  IndexedImage indexed;
  std::vector<std::uint8_t> binIndex(kBins);
  for (const Box& box : boxes) indexed.palette.push_back(MeanColour(box, histogram));
  for (unsigned bin = 0; bin < kBins; ++bin) {
    if (histogram.count[bin] == 0) continue;
    const Rgb centre{std::uint8_t(histogram.sum[bin][0] / histogram.count[bin]),
                     std::uint8_t(histogram.sum[bin][1] / histogram.count[bin]),
                     std::uint8_t(histogram.sum[bin][2] / histogram.count[bin])};
    binIndex[bin] = Nearest(centre, indexed.palette);
  }
  indexed.indices.resize(count);
  for (std::size_t i = 0; i < count; ++i) indexed.indices[i] = binIndex[BinOf(&image.rgb[3 * i])];
  return indexed;
}
