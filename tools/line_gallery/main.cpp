// Draws the single staves of every clef and lines of notes in several keys, clefs and lengths,
// each as the window shows it at the given scale of its design size, into one picture: a sheet
// to look over when the line's layout, the clefs or the music font change.
//   lintra-line-gallery OUT.png [--scale S]     (0.8 is a 640 x 400 window, 2.4 a maximized one)
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "notation/line_painter.h"
#include "notation/picture_canvas.h"
#include "practice/reading_line.h"
#include "practice/staff_place.h"
#include "theory/keys.h"

namespace {

using lintra::notation::NoteState;
using lintra::practice::ClefRange;

struct Sample {
  std::string caption;
  lintra::theory::KeyId key;
  ClefRange range;
  std::size_t length;  // 0: the staff alone
  lintra::practice::Leap leap;
  std::size_t reading;  // the notes before it were read right
  bool wrong;
};

lintra::notation::StaffLayout LayoutOf(ClefRange range) {
  const auto clef = lintra::practice::CClefOf(range);
  return clef ? lintra::notation::StaffLayout::Single(*clef) : lintra::notation::StaffLayout::Grand();
}

// The picture as the window shows it: drawn at the next whole scale, reduced to `scale`.
QImage Draw(const Sample& sample, double scale, std::uint32_t seed) {
  const lintra::theory::KeyInfo* key = lintra::theory::FindKey(sample.key);
  const std::string_view kind = key ? key->signatureKind : std::string_view(" ");
  const std::int8_t count = key ? key->signatureCount : 0;
  std::vector<lintra::notation::LineNote> notes;
  if (sample.length > 0) {
    const auto candidates = lintra::practice::LineCandidates(
        key ? std::span<const lintra::theory::NoteSlot>(key->pool) : std::span<const lintra::theory::NoteSlot>(),
        key == nullptr, sample.range, {});
    lintra::theory::Random random;
    random.Seed(seed);
    for (const auto slot : lintra::practice::DrawLine(random, candidates, {sample.length, sample.leap})) {
      const auto index = notes.size();
      const NoteState state = index < sample.reading    ? NoteState::Right
                              : index == sample.reading ? (sample.wrong ? NoteState::Wrong : NoteState::Reading)
                                                        : NoteState::Ahead;
      notes.push_back({slot, std::string(lintra::practice::DrawnSign(sample.key, slot)), state});
    }
  }
  lintra::notation::PictureCanvas picture;
  lintra::notation::DrawLine(picture, LayoutOf(sample.range), kind, count, notes);
  const QImage& drawn = picture.Image(static_cast<int>(std::ceil(scale - 1e-6)));
  const QSize target(static_cast<int>(lintra::notation::kAreaWidth * scale),
                     static_cast<int>(lintra::notation::kAreaHeight * scale));
  QImage shown = drawn.size() == target ? drawn : drawn.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  shown.setDevicePixelRatio(1);  // one pixel of the sheet each
  return shown;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  double scale = 1.0;
  if (argc == 4 && std::strcmp(argv[2], "--scale") == 0) scale = std::atof(argv[3]);
  if ((argc != 2 && argc != 4) || !(scale >= 0.25 && scale <= 8)) {
    std::fprintf(stderr, "usage: lintra-line-gallery OUT.png [--scale S]\n");
    return 2;
  }
  using lintra::practice::Leap;
  using Key = lintra::theory::KeyId;
  const std::vector<Sample> samples = {
      {"Alto, F# major", Key::FSharpMajor, ClefRange::Alto, 0, Leap::Third, 0, false},
      {"Alto, Gb major", Key::GFlatMajor, ClefRange::Alto, 0, Leap::Third, 0, false},
      {"Tenor, F# major", Key::FSharpMajor, ClefRange::Tenor, 0, Leap::Third, 0, false},
      {"Tenor, Gb major", Key::GFlatMajor, ClefRange::Tenor, 0, Leap::Third, 0, false},
      {"Grand, Eb minor, 8, octave", Key::EFlatMinor, ClefRange::Grand, 8, Leap::Octave, 3, false},
      {"Grand, Bb minor, 8, fifth", Key::BFlatMinor, ClefRange::Grand, 8, Leap::Fifth, 5, true},
      {"Alto, Eb minor, 8, fifth", Key::EFlatMinor, ClefRange::Alto, 8, Leap::Fifth, 2, false},
      {"Tenor, C# minor, 8, octave", Key::CSharpMinor, ClefRange::Tenor, 8, Leap::Octave, 7, true},
      {"Alto, Key::Chromatic, 8, third", Key::Chromatic, ClefRange::Alto, 8, Leap::Third, 0, false},
      {"Tenor, Key::Chromatic, 6, fifth", Key::Chromatic, ClefRange::Tenor, 6, Leap::Fifth, 2, true},
      {"Alto, C major, 4, octave", Key::CMajor, ClefRange::Alto, 4, Leap::Octave, 1, false},
      {"Treble, A minor, 6, third", Key::AMinor, ClefRange::Treble, 6, Leap::Third, 6, false},
  };
  constexpr int kColumns = 2, kCaption = 18, kGap = 8;
  const int width = static_cast<int>(lintra::notation::kAreaWidth * scale);
  const int height = static_cast<int>(lintra::notation::kAreaHeight * scale);
  const int rows = static_cast<int>((samples.size() + kColumns - 1) / kColumns);
  QImage sheet(kColumns * (width + kGap), rows * (height + kCaption + kGap), QImage::Format_RGB32);
  sheet.fill(Qt::lightGray);
  QPainter painter(&sheet);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const int left = static_cast<int>(i % kColumns) * (width + kGap) + kGap / 2;
    const int top = static_cast<int>(i / kColumns) * (height + kCaption + kGap) + kGap / 2;
    painter.drawText(left, top + 13, QString::fromStdString(samples[i].caption));
    painter.drawImage(left, top + kCaption, Draw(samples[i], scale, static_cast<std::uint32_t>(7919 * (i + 1))));
  }
  painter.end();
  return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
