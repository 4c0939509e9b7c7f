#include "setup/lzh/huffman.h"

#include <algorithm>
#include <queue>

namespace nv::lzh {
namespace {
// Plain Huffman lengths (unbounded) by pairing the two lightest nodes.
std::vector<uint8_t> plainLengths(const std::vector<uint32_t>& freq) {
  struct Node {
    uint64_t weight;
    int left, right;
  };
  std::vector<Node> nodes;
  using Item = std::pair<uint64_t, int>;
  std::priority_queue<Item, std::vector<Item>, std::greater<Item>> heap;
  for (size_t i = 0; i < freq.size(); ++i) {
    if (freq[i] == 0) continue;
    nodes.push_back({freq[i], -1, static_cast<int>(i)});
    heap.push({freq[i], static_cast<int>(nodes.size() - 1)});
  }
  std::vector<uint8_t> lengths(freq.size(), 0);
  if (nodes.size() < 2) return lengths;
  while (heap.size() > 1) {
    auto [wa, a] = heap.top();
    heap.pop();
    auto [wb, b] = heap.top();
    heap.pop();
    nodes.push_back({wa + wb, a, b});
    heap.push({wa + wb, static_cast<int>(nodes.size() - 1)});
  }
  // Depth of every leaf, walking from the root.
  std::vector<std::pair<int, int>> stack{{heap.top().second, 0}};
  while (!stack.empty()) {
    auto [n, depth] = stack.back();
    stack.pop_back();
    if (nodes[n].left < 0) {
      lengths[nodes[n].right] = static_cast<uint8_t>(std::min(depth, 255));
    } else {
      stack.push_back({nodes[n].left, depth + 1});
      stack.push_back({nodes[n].right, depth + 1});
    }
  }
  return lengths;
}
}  // namespace

std::vector<uint8_t> huffmanLengths(const std::vector<uint32_t>& freq, int maxLength) {
  std::vector<uint32_t> f = freq;
  for (;;) {
    std::vector<uint8_t> lengths = plainLengths(f);
    if (*std::max_element(lengths.begin(), lengths.end()) <= maxLength) return lengths;
    // Too deep: flatten the distribution and try again (keeps every used symbol used).
    for (auto& x : f)
      if (x) x = (x >> 1) | 1;
  }
}

std::vector<uint16_t> canonicalCodes(const std::vector<uint8_t>& lengths) {
  uint32_t count[18] = {};
  for (uint8_t l : lengths) count[l]++;
  count[0] = 0;
  uint32_t start[18] = {};
  for (int i = 1; i < 17; ++i) start[i + 1] = (start[i] + count[i]) << 1;
  std::vector<uint16_t> codes(lengths.size(), 0);
  for (size_t i = 0; i < lengths.size(); ++i)
    if (lengths[i]) codes[i] = static_cast<uint16_t>(start[lengths[i]]++);
  return codes;
}

}  // namespace nv::lzh
