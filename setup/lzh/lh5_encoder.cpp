#include "setup/lzh/lh5_encoder.h"

#include <algorithm>
#include <cstring>
#include <tuple>
#include <vector>

#include "setup/lzh/huffman.h"

namespace nv::lzh {
namespace {

constexpr int kWindowBits = 13;
constexpr size_t kMaxDistance = (size_t(1) << kWindowBits) - 1;
constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 256;
constexpr int kNC = 256 + kMaxMatch - kMinMatch + 1;  // literals and match lengths
constexpr int kNP = kWindowBits + 1;                  // distance bit-length classes
constexpr int kNT = 19;                               // code-length alphabet
constexpr int kCBit = 9, kPBit = 4, kTBit = 5;
constexpr size_t kBlockSymbols = 32768;  // stored in 16 bits
constexpr int kHashBits = 15;
constexpr int kMaxChain = 96;
constexpr int kGoodEnough = 64;

// Bits into bytes; whole bytes go to the sink in pieces of about 64 KiB.
class BitWriter {
 public:
  explicit BitWriter(Lh5Encoder::Sink& sink) : sink_(sink) { out_.reserve(kFlushAt + 16); }
  void put(int bits, uint32_t value) {
    for (int i = bits - 1; i >= 0; --i) {
      acc_ = static_cast<uint8_t>((acc_ << 1) | ((value >> i) & 1));
      if (++n_ == 8) {
        out_.push_back(static_cast<char>(acc_));
        acc_ = 0;
        n_ = 0;
      }
    }
    if (out_.size() >= kFlushAt) drain();
  }
  void flush() {
    if (n_) out_.push_back(static_cast<char>(acc_ << (8 - n_)));
    acc_ = 0;
    n_ = 0;
    drain();
  }

 private:
  static constexpr size_t kFlushAt = 64 * 1024;
  void drain() {
    if (!out_.empty()) sink_(out_.data(), out_.size());
    out_.clear();
  }
  Lh5Encoder::Sink& sink_;
  std::string out_;
  uint8_t acc_ = 0;
  int n_ = 0;
};

struct Symbol {
  uint16_t code;      // literal byte, or 256 + length - 3
  uint16_t distance;  // distance - 1 for matches
};

int bitLength(unsigned v) {
  int c = 0;
  while (v) {
    v >>= 1;
    ++c;
  }
  return c;
}

struct Table {
  std::vector<uint8_t> len;
  std::vector<uint16_t> code;
  int single = -1;  // the one used symbol when the table is stored as a single symbol
};

Table makeTable(const std::vector<uint32_t>& freq) {
  Table t;
  t.len = huffmanLengths(freq, 16);
  int used = 0, last = 0;
  for (size_t i = 0; i < freq.size(); ++i)
    if (freq[i]) ++used, last = static_cast<int>(i);
  if (used < 2) t.single = used ? last : 0;
  t.code = canonicalCodes(t.len);
  return t;
}

// Lengths of the distance or code-length table; `special` marks the position after which a
// 2-bit run of zeros follows (the code-length table's), or -1.
void writePtLengths(BitWriter& w, const Table& t, int nbit, int special) {
  int n = static_cast<int>(t.len.size());
  while (n > 0 && t.len[n - 1] == 0) --n;
  w.put(nbit, static_cast<uint32_t>(n));
  int i = 0;
  while (i < n) {
    int k = t.len[i++];
    if (k <= 6)
      w.put(3, static_cast<uint32_t>(k));
    else
      w.put(k - 3, (1u << (k - 3)) - 2);
    if (i == special) {
      while (i < 6 && i < n && t.len[i] == 0) ++i;
      w.put(2, static_cast<uint32_t>(i - special));
    }
  }
}

void writeSingle(BitWriter& w, int nbit, int symbol) {
  w.put(nbit, 0);
  w.put(nbit, static_cast<uint32_t>(symbol));
}

// Runs of zero lengths in the literal/length table, as the code-length alphabet codes them.
template <typename F>
void walkCLengths(const std::vector<uint8_t>& cLen, F&& emit) {
  int n = kNC;
  while (n > 0 && cLen[n - 1] == 0) --n;
  int i = 0;
  while (i < n) {
    int k = cLen[i++];
    if (k == 0) {
      int count = 1;
      while (i < n && cLen[i] == 0) ++i, ++count;
      if (count <= 2) {
        for (int j = 0; j < count; ++j) emit(0, 0, 0);
      } else if (count <= 18) {
        emit(1, 4, count - 3);
      } else if (count == 19) {
        emit(0, 0, 0);
        emit(1, 4, 15);
      } else {
        emit(2, kCBit, count - 20);
      }
    } else {
      emit(k + 2, 0, 0);
    }
  }
}

void sendBlock(BitWriter& w, const std::vector<Symbol>& syms) {
  std::vector<uint32_t> cFreq(kNC, 0), pFreq(kNP, 0);
  for (const Symbol& s : syms) {
    cFreq[s.code]++;
    if (s.code >= 256) pFreq[bitLength(s.distance)]++;
  }
  Table c = makeTable(cFreq);
  w.put(16, static_cast<uint32_t>(syms.size()));
  if (c.single < 0) {
    std::vector<uint32_t> tFreq(kNT, 0);
    walkCLengths(c.len, [&](int sym, int, int) { tFreq[sym]++; });
    Table t = makeTable(tFreq);
    if (t.single < 0)
      writePtLengths(w, t, kTBit, 3);
    else
      writeSingle(w, kTBit, t.single);
    int n = kNC;
    while (n > 0 && c.len[n - 1] == 0) --n;
    w.put(kCBit, static_cast<uint32_t>(n));
    walkCLengths(c.len, [&](int sym, int extraBits, int extra) {
      w.put(t.len[sym], t.code[sym]);
      if (extraBits) w.put(extraBits, static_cast<uint32_t>(extra));
    });
  } else {
    writeSingle(w, kTBit, 0);
    writeSingle(w, kCBit, c.single);
  }
  Table p = makeTable(pFreq);
  if (p.single < 0)
    writePtLengths(w, p, kPBit, -1);
  else
    writeSingle(w, kPBit, p.single);

  for (const Symbol& s : syms) {
    w.put(c.len[s.code], c.code[s.code]);
    if (s.code < 256) continue;
    int bits = bitLength(s.distance);
    w.put(p.len[bits], p.code[bits]);
    if (bits > 1) w.put(bits - 1, s.distance & ((1u << (bits - 1)) - 1));
  }
}

}  // namespace

// Hash chains over a sliding buffer. Positions are absolute; the buffer keeps the window
// behind the current position and the look-ahead in front of it.
class Lh5Encoder::Impl {
 public:
  explicit Impl(Sink sink)
      : sink_(std::move(sink)), w_(sink_), head_(size_t(1) << kHashBits, -1), prev_(kRing, -1) {
    block_.reserve(kBlockSymbols);
  }

  void write(const uint8_t* data, size_t size) {
    buf_.insert(buf_.end(), data, data + size);
    run(false);
    // Bytes behind the window are dropped now and then, not on every call.
    const uint64_t keepFrom = pos_ > kMaxDistance + 1 ? pos_ - kMaxDistance - 1 : 0;
    if (keepFrom > base_ + kSlideAt) {
      buf_.erase(buf_.begin(), buf_.begin() + static_cast<ptrdiff_t>(keepFrom - base_));
      base_ = keepFrom;
    }
  }

  void finish() {
    run(true);
    if (!block_.empty()) sendBlock(w_, block_);
    block_.clear();
    w_.flush();
  }

 private:
  static constexpr size_t kRing = size_t(1) << kWindowBits;  // covers every distance
  static constexpr uint64_t kLookahead = kMaxMatch + 2;      // a match at pos + 1 fits
  static constexpr uint64_t kSlideAt = 1 << 20;

  uint64_t end() const { return base_ + buf_.size(); }
  const uint8_t* at(uint64_t pos) const { return buf_.data() + (pos - base_); }

  uint32_t hash(uint64_t pos) const {
    const uint8_t* p = at(pos);
    uint32_t v = p[0] | (p[1] << 8) | (p[2] << 16);
    return (v * 2654435761u) >> (32 - kHashBits);
  }

  void insert(uint64_t pos) {
    if (pos + kMinMatch > end()) return;
    uint32_t h = hash(pos);
    prev_[pos & (kRing - 1)] = head_[h];
    head_[h] = static_cast<int64_t>(pos);
  }

  // Longest match at pos within the window: {length, distance}; length 0 when none. A chain
  // link is read only for positions inside the window, whose ring entries are still theirs.
  std::pair<int, size_t> find(uint64_t pos, int atLeast) const {
    if (pos + kMinMatch > end()) return {0, 0};
    int maxLen = static_cast<int>(std::min<uint64_t>(kMaxMatch, end() - pos));
    int best = atLeast < kMinMatch - 1 ? kMinMatch - 1 : atLeast;
    if (best >= maxLen) return {0, 0};
    size_t bestDist = 0;
    int chain = kMaxChain;
    const uint8_t* b = at(pos);
    for (int64_t cand = head_[hash(pos)]; cand >= 0 && chain-- > 0;
         cand = prev_[static_cast<uint64_t>(cand) & (kRing - 1)]) {
      size_t dist = pos - static_cast<uint64_t>(cand);
      if (dist > kMaxDistance || dist == 0) break;
      const uint8_t* a = at(static_cast<uint64_t>(cand));
      if (a[best] != b[best] || a[0] != b[0]) continue;
      int len = 0;
      while (len < maxLen && a[len] == b[len]) ++len;
      if (len > best) {
        best = len;
        bestDist = dist;
        if (len >= maxLen) break;
      }
    }
    if (bestDist == 0) return {0, 0};
    return {best, bestDist};
  }

  void emit(Symbol s) {
    block_.push_back(s);
    if (block_.size() == kBlockSymbols) {
      sendBlock(w_, block_);
      block_.clear();
    }
  }

  // Lazy matching: a match is taken only when the next position does not start a longer one.
  // A position enters the chains only after it has been searched from. Without `final` a
  // position is coded only once its whole look-ahead has arrived, so pieces code exactly as
  // the whole input would.
  void run(bool final) {
    for (;;) {
      const uint64_t e = end();
      if (final ? pos_ >= e : pos_ + kLookahead > e) return;
      if (!have_) {
        std::tie(len_, dist_) = find(pos_, 0);
        have_ = true;
      }
      if (len_ >= kMinMatch) {
        insert(pos_);
        auto next = len_ < kGoodEnough ? find(pos_ + 1, len_) : std::pair<int, size_t>{0, 0};
        if (next.first > len_) {
          emit({*at(pos_), 0});
          ++pos_;
          len_ = next.first;
          dist_ = next.second;
          continue;
        }
        emit({static_cast<uint16_t>(256 + len_ - kMinMatch), static_cast<uint16_t>(dist_ - 1)});
        for (uint64_t k = pos_ + 1; k < pos_ + static_cast<uint64_t>(len_); ++k) insert(k);
        pos_ += static_cast<uint64_t>(len_);
      } else {
        insert(pos_);
        emit({*at(pos_), 0});
        ++pos_;
      }
      have_ = false;
    }
  }

  Sink sink_;
  BitWriter w_;
  std::vector<uint8_t> buf_;
  uint64_t base_ = 0;  // absolute position of buf_[0]
  uint64_t pos_ = 0;   // next position to code
  bool have_ = false;  // len_ and dist_ hold the match at pos_
  int len_ = 0;
  size_t dist_ = 0;
  std::vector<int64_t> head_;
  std::vector<int64_t> prev_;
  std::vector<Symbol> block_;
};

Lh5Encoder::Lh5Encoder(Sink sink) : impl_(std::make_unique<Impl>(std::move(sink))) {}
Lh5Encoder::~Lh5Encoder() = default;
void Lh5Encoder::write(const uint8_t* data, size_t size) { impl_->write(data, size); }
void Lh5Encoder::finish() { impl_->finish(); }

std::string encodeLh5(const uint8_t* data, size_t size) {
  std::string out;
  if (size == 0) return out;
  out.reserve(size / 2 + 64);
  Lh5Encoder encoder([&out](const char* p, size_t n) { out.append(p, n); });
  encoder.write(data, size);
  encoder.finish();
  return out;
}

}  // namespace nv::lzh
