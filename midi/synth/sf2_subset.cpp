#include "midi/synth/sf2_subset.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

namespace lintra::midi {
namespace {

// Record sizes of the preset tables' sub-chunks.
constexpr std::size_t kPhdr = 38, kBag = 4, kMod = 10, kGen = 4, kInst = 22, kShdr = 46;
constexpr std::size_t kShdrLink = 42;  // a sample header's stereo link
constexpr std::uint16_t kGenKeyRange = 43, kGenInstrument = 41, kGenSampleId = 53;

std::uint32_t U32(const char* p) {
  return std::uint32_t(std::uint8_t(p[0])) | std::uint32_t(std::uint8_t(p[1])) << 8 |
         std::uint32_t(std::uint8_t(p[2])) << 16 | std::uint32_t(std::uint8_t(p[3])) << 24;
}
std::uint16_t U16(const std::string& s, std::size_t at) {
  return std::uint16_t(std::uint8_t(s[at]) | std::uint8_t(s[at + 1]) << 8);
}
void Put16(std::string& s, std::size_t at, std::uint16_t v) {
  s[at] = char(v & 0xFF);
  s[at + 1] = char(v >> 8);
}
void Append16(std::string& s, std::uint16_t v) {
  s.push_back(char(v & 0xFF));
  s.push_back(char(v >> 8));
}
void Append32(std::string& s, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s.push_back(char((v >> (8 * i)) & 0xFF));
}
std::size_t Count(const std::string& table, std::size_t size) { return table.size() / size; }

bool ReadAt(std::FILE* f, std::uint64_t at, char* out, std::size_t n) {
  return std::fseek(f, static_cast<long>(at), SEEK_SET) == 0 && std::fread(out, 1, n, f) == n;
}

// Bag index ranges must rise and stay inside the bag table, and the bags'
// generator and modulator ranges inside theirs: a subset copies by them.
bool Consistent(const std::string& headers, std::size_t headerSize, std::size_t bagField, const std::string& bags,
                const std::string& mods, const std::string& gens) {
  const std::size_t n = Count(headers, headerSize), nb = Count(bags, kBag);
  if (n < 1 || nb < 1 || headers.size() % headerSize || bags.size() % kBag || mods.size() % kMod || gens.size() % kGen)
    return false;
  for (std::size_t i = 0; i + 1 < n; ++i)
    if (U16(headers, i * headerSize + bagField) > U16(headers, (i + 1) * headerSize + bagField)) return false;
  if (U16(headers, (n - 1) * headerSize + bagField) >= nb) return false;
  for (std::size_t b = 0; b + 1 < nb; ++b) {
    if (U16(bags, b * kBag) > U16(bags, (b + 1) * kBag) || U16(bags, b * kBag + 2) > U16(bags, (b + 1) * kBag + 2))
      return false;
  }
  return U16(bags, (nb - 1) * kBag) <= Count(gens, kGen) && U16(bags, (nb - 1) * kBag + 2) <= Count(mods, kMod);
}

// Whether a zone (generators g0..g1) can sound within `keys`. A global zone
// (one without the generator `terminal` that ends a local zone: the
// instrument of a preset zone, the sample of an instrument zone) always can.
bool Sounds(const std::string& gens, std::size_t g0, std::size_t g1, std::uint16_t terminal, KeyRange keys) {
  int lowest = 0, highest = 127;
  bool local = false;
  for (std::size_t g = g0; g < g1; ++g) {
    const std::uint16_t op = U16(gens, g * kGen);
    if (op == kGenKeyRange) {
      lowest = std::uint8_t(gens[g * kGen + 2]);
      highest = std::uint8_t(gens[g * kGen + 3]);
    }
    if (op == terminal) local = true;
  }
  return !local || (lowest <= keys.highest && highest >= keys.lowest);
}

// Copies header `i`'s zones that sound within `keys` into the new tables;
// `remap` rewrites each generator (an instrument reference, say) before it
// is kept.
template <typename Remap>
void CopyZones(const std::string& headers, std::size_t headerSize, std::size_t bagField, std::size_t i,
               const std::string& bags, const std::string& mods, const std::string& gens, std::string& outHeaders,
               std::string& outBags, std::string& outMods, std::string& outGens, std::uint16_t terminal, KeyRange keys,
               Remap remap) {
  std::string header = headers.substr(i * headerSize, headerSize);
  Put16(header, bagField, std::uint16_t(Count(outBags, kBag)));
  outHeaders += header;
  const std::size_t firstBag = U16(headers, i * headerSize + bagField);
  const std::size_t endBag = U16(headers, (i + 1) * headerSize + bagField);
  for (std::size_t b = firstBag; b < endBag; ++b) {
    const std::size_t g0 = U16(bags, b * kBag), g1 = U16(bags, (b + 1) * kBag);
    if (!Sounds(gens, g0, g1, terminal, keys)) continue;
    Append16(outBags, std::uint16_t(Count(outGens, kGen)));
    Append16(outBags, std::uint16_t(Count(outMods, kMod)));
    const std::size_t m0 = U16(bags, b * kBag + 2), m1 = U16(bags, (b + 1) * kBag + 2);
    outMods.append(mods, m0 * kMod, (m1 - m0) * kMod);
    for (std::size_t g = g0; g < g1; ++g) {
      std::string gen = gens.substr(g * kGen, kGen);
      remap(gen);
      outGens += gen;
    }
  }
}

// The terminal records: the last header (its name and a bag index one past
// the copied bags), one bag, one modulator and one generator.
void Terminate(const std::string& headers, std::size_t headerSize, std::size_t bagField, std::string& outHeaders,
               std::string& outBags, std::string& outMods, std::string& outGens) {
  std::string last = headers.substr(headers.size() - headerSize);
  Put16(last, bagField, std::uint16_t(Count(outBags, kBag)));
  outHeaders += last;
  Append16(outBags, std::uint16_t(Count(outGens, kGen)));
  Append16(outBags, std::uint16_t(Count(outMods, kMod)));
  outMods.append(kMod, '\0');
  outGens.append(kGen, '\0');
}

void AppendChunk(std::string& out, const char* id, const std::string& body) {
  out.append(id, 4);
  Append32(out, std::uint32_t(body.size()));
  out += body;
}

// Renumbers the references a generator `op` makes (to instruments, or to samples) in the order they
// are first met, collecting in `kept` the original index of each. A reference past the last real
// record is left pointing past the new last one, so that the loader refuses the zone as it would have.
auto Renumbering(std::uint16_t op, std::size_t originals, std::vector<std::uint16_t>& kept) {
  return [op, originals, &kept](std::string& gen) {
    if (U16(gen, 0) != op) return;
    const std::uint16_t original = U16(gen, 2);
    if (original + 1u >= originals) {
      Put16(gen, 2, 0xFFFF);
      return;
    }
    auto it = std::find(kept.begin(), kept.end(), original);
    if (it == kept.end()) it = kept.insert(kept.end(), original);
    Put16(gen, 2, std::uint16_t(it - kept.begin()));
  };
}

}  // namespace

std::unique_ptr<Sf2Subsets> Sf2Subsets::Open(const std::string& path, KeyRange keys) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
  if (!file) return nullptr;
  char head[12];
  if (std::fread(head, 1, 12, file.get()) != 12 || std::memcmp(head, "RIFF", 4) || std::memcmp(head + 8, "sfbk", 4))
    return nullptr;
  if (std::fseek(file.get(), 0, SEEK_END) != 0) return nullptr;
  const long fileSize = std::ftell(file.get());
  const std::uint64_t riffEnd = std::min<std::uint64_t>(8 + std::uint64_t(U32(head + 4)), std::uint64_t(fileSize));
  // The top-level lists; the preset tables must come last, so that every
  // byte before them, samples included, keeps its offset in a subset.
  std::uint64_t at = 12, pdta = 0, pdtaSize = 0;
  while (at + 12 <= riffEnd) {
    char chunk[12];
    if (!ReadAt(file.get(), at, chunk, 12)) return nullptr;
    const std::uint64_t size = U32(chunk + 4);
    if (!std::memcmp(chunk, "LIST", 4) && !std::memcmp(chunk + 8, "pdta", 4)) {
      pdta = at;
      pdtaSize = size;
    }
    at += 8 + size + (size & 1);
  }
  if (!pdta || pdta + 8 + pdtaSize != riffEnd || pdtaSize > (64u << 20)) return nullptr;

  auto subsets = std::unique_ptr<Sf2Subsets>(new Sf2Subsets);
  subsets->path_ = path;
  subsets->keys_ = keys;
  subsets->pdtaOffset_ = pdta;
  std::string tables(pdtaSize - 4, '\0');
  if (!ReadAt(file.get(), pdta + 12, tables.data(), tables.size())) return nullptr;
  const std::map<std::string, std::string*> known = {
      {"phdr", &subsets->phdr_}, {"pbag", &subsets->pbag_}, {"pmod", &subsets->pmod_},
      {"pgen", &subsets->pgen_}, {"inst", &subsets->inst_}, {"ibag", &subsets->ibag_},
      {"imod", &subsets->imod_}, {"igen", &subsets->igen_}, {"shdr", &subsets->shdr_}};
  int found = 0;
  for (std::size_t p = 0; p + 8 <= tables.size();) {
    const std::size_t size = U32(tables.data() + p + 4);
    if (p + 8 + size > tables.size()) return nullptr;
    const auto it = known.find(tables.substr(p, 4));
    if (it != known.end()) {
      *it->second = tables.substr(p + 8, size);
      ++found;
    }
    p += 8 + size + (size & 1);
  }
  if (found != int(known.size()) || subsets->shdr_.empty() || subsets->shdr_.size() % kShdr ||
      !Consistent(subsets->phdr_, kPhdr, 24, subsets->pbag_, subsets->pmod_, subsets->pgen_) ||
      !Consistent(subsets->inst_, kInst, 20, subsets->ibag_, subsets->imod_, subsets->igen_))
    return nullptr;
  return subsets;
}

std::string Sf2Subsets::Subset(int program) const {
  std::string phdr, pbag, pmod, pgen, inst, ibag, imod, igen;
  std::vector<std::uint16_t> instruments;  // original index of each kept instrument
  const std::size_t presets = Count(phdr_, kPhdr), originalInstruments = Count(inst_, kInst);
  for (std::size_t i = 0; i + 1 < presets; ++i) {
    if (U16(phdr_, i * kPhdr + 20) != program) continue;
    CopyZones(phdr_, kPhdr, 24, i, pbag_, pmod_, pgen_, phdr, pbag, pmod, pgen, kGenInstrument, keys_,
              Renumbering(kGenInstrument, originalInstruments, instruments));
  }
  if (phdr.empty()) return {};
  Terminate(phdr_, kPhdr, 24, phdr, pbag, pmod, pgen);
  // Only the samples the kept zones play get a header: FluidSynth makes an object for every header,
  // some 1400 of them in a General MIDI soundfont, for each subset.
  std::vector<std::uint16_t> samples;  // original index of each kept sample
  for (const std::uint16_t k : instruments)
    CopyZones(inst_, kInst, 20, k, ibag_, imod_, igen_, inst, ibag, imod, igen, kGenSampleId, keys_,
              Renumbering(kGenSampleId, Count(shdr_, kShdr), samples));
  Terminate(inst_, kInst, 20, inst, ibag, imod, igen);
  std::string shdr;
  for (const std::uint16_t k : samples) {
    std::string header = shdr_.substr(k * kShdr, kShdr);
    // A stereo partner's index, where the partner is kept too; FluidSynth itself ignores the link.
    const auto partner = std::find(samples.begin(), samples.end(), U16(header, kShdrLink));
    Put16(header, kShdrLink, partner == samples.end() ? 0 : std::uint16_t(partner - samples.begin()));
    shdr += header;
  }
  shdr += shdr_.substr(shdr_.size() - kShdr);  // the terminal record

  std::string body = "pdta";
  AppendChunk(body, "phdr", phdr);
  AppendChunk(body, "pbag", pbag);
  AppendChunk(body, "pmod", pmod);
  AppendChunk(body, "pgen", pgen);
  AppendChunk(body, "inst", inst);
  AppendChunk(body, "ibag", ibag);
  AppendChunk(body, "imod", imod);
  AppendChunk(body, "igen", igen);
  AppendChunk(body, "shdr", shdr);
  std::string list = "LIST";
  Append32(list, std::uint32_t(body.size()));
  return list + body;
}

Sf2Subsets::Reader::Reader(const Sf2Subsets& owner, std::string tables)
    : owner_(owner), tables_(std::move(tables)), file_(std::fopen(owner.path_.c_str(), "rb")) {}

Sf2Subsets::Reader::~Reader() {
  if (file_) std::fclose(file_);
}

std::int64_t Sf2Subsets::Reader::Size() const { return std::int64_t(owner_.pdtaOffset_ + tables_.size()); }

bool Sf2Subsets::Reader::Read(void* buffer, std::int64_t count) {
  if (!file_ || count < 0 || pos_ + count > Size()) return false;
  char* out = static_cast<char*>(buffer);
  const auto prefix = std::int64_t(owner_.pdtaOffset_);
  if (pos_ < prefix) {
    const std::int64_t n = std::min(count, prefix - pos_);
    if (!ReadAt(file_, std::uint64_t(pos_), out, std::size_t(n))) return false;
    // The RIFF size, bytes 4..7, is that of the subset.
    for (std::int64_t b = std::max<std::int64_t>(pos_, 4); b < std::min<std::int64_t>(pos_ + n, 8); ++b)
      out[b - pos_] = char((std::uint64_t(Size() - 8) >> (8 * (b - 4))) & 0xFF);
    out += n;
    pos_ += n;
    count -= n;
  }
  if (count > 0) {
    std::memcpy(out, tables_.data() + (pos_ - prefix), std::size_t(count));
    pos_ += count;
  }
  return true;
}

bool Sf2Subsets::Reader::Seek(std::int64_t offset, int origin) {
  const std::int64_t base = origin == SEEK_CUR ? pos_ : origin == SEEK_END ? Size() : 0;
  if (base + offset < 0 || base + offset > Size()) return false;
  pos_ = base + offset;
  return true;
}

}  // namespace lintra::midi
