#pragma once
// A SoundFont 2 file seen with only some of its presets.  FluidSynth keeps a
// table of generators for every zone of every preset it loads, whether it is
// played or not: for a General MIDI soundfont of 150 MB that is 20 MB, more
// than the samples the trainer plays.  A subset holds the presets of one
// program number in every bank, so a synthesizer that loads the subsets it
// selects from finds the same preset for every program change, bank fallbacks
// included, as with the whole file.  The samples stay where they are: the
// subset is the original file up to its preset tables, then new tables,
// which hold the headers of only the samples their zones play.
// Zones for keys outside the range the subsets are opened with are left out,
// and with them their samples: they would never sound.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "midi/key_range.h"

namespace lintra::midi {

class Sf2Subsets {
 public:
  // Reads the preset tables of `path`.  Null when the file is not a
  // SoundFont 2 laid out as usual (preset tables last) or its tables do not
  // hold together: such a file is then loaded whole.
  static std::unique_ptr<Sf2Subsets> Open(const std::string& path, KeyRange keys = {});

  // The preset tables (a whole pdta list) of the presets numbered `program`
  // (0..127) in every bank, for a Reader.  Empty when the file has none.
  std::string Subset(int program) const;

  const std::string& Path() const { return path_; }
  std::uint64_t PrefixSize() const { return pdtaOffset_; }

  // A virtual file: the original bytes before the preset tables (with the
  // RIFF size made to fit) followed by `tables`.
  class Reader {
   public:
    Reader(const Sf2Subsets& owner, std::string tables);
    ~Reader();
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;
    bool Read(void* buffer, std::int64_t count);
    bool Seek(std::int64_t offset, int origin);
    std::int64_t Tell() const { return pos_; }
    std::int64_t Size() const;

   private:
    const Sf2Subsets& owner_;
    std::string tables_;
    std::FILE* file_ = nullptr;
    std::int64_t pos_ = 0;
  };

 private:
  std::string path_;
  KeyRange keys_;
  std::uint64_t pdtaOffset_ = 0;
  // The preset tables' sub-chunks, as read.
  std::string phdr_, pbag_, pmod_, pgen_, inst_, ibag_, imod_, igen_, shdr_;
};

}  // namespace lintra::midi
