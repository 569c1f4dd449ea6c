// Draws the grand staff of every key, with a few notes, into one picture:
// a sheet to look over when the notation or the music font changes.
//   lintra-staff-gallery OUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "notation/image_canvas.h"
#include "notation/staff_painter.h"
#include "theory/keys.h"
#include "theory/note_table.h"
#include "ui/key_menus.h"

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: lintra-staff-gallery OUT.png\n");
    return 2;
  }
  constexpr int kColumns = 4, kWidth = 249, kHeight = 138, kCaption = 18;
  const auto& keys = lintra::theory::Keys();
  const int rows = static_cast<int>((keys.size() + 1 + kColumns - 1) / kColumns);
  QImage sheet(kColumns * (kWidth + 8), rows * (kHeight + kCaption + 8), QImage::Format_RGB32);
  sheet.fill(Qt::lightGray);
  QPainter painter(&sheet);

  auto drawOne = [&](int index, const QString& caption, std::string_view kind, std::int8_t count,
                     const std::vector<std::pair<int, std::string>>& notes) {
    lintra::notation::ImageCanvas canvas;
    lintra::notation::StaffPainter staff(canvas);
    staff.DrawStaff(kind, count);
    std::int32_t x = 0;
    for (const auto& [slot, accidental] : notes) {
      staff.DrawNote(accidental, lintra::theory::SpelledNoteTable()[static_cast<std::size_t>(slot)].staffY, x);
    }
    const int left = (index % kColumns) * (kWidth + 8) + 4;
    const int top = (index / kColumns) * (kHeight + kCaption + 8) + 4;
    painter.drawText(left, top + 13, caption);
    painter.drawImage(left, top + kCaption, canvas.Image());
  };

  for (std::size_t i = 0; i < keys.size(); ++i) {
    const auto& key = keys[i];
    std::vector<std::pair<int, std::string>> notes;
    // The lowest and highest pool notes, and a leading tone with its sign.
    notes.emplace_back(key.pool.front(), "");
    if (key.minor) notes.emplace_back(key.leadingTones[2], std::string(key.leadingToneAccidental));
    notes.emplace_back(key.pool.back(), "");
    const std::string_view caption = lintra::ui::KeyCaption(key.id);
    drawOne(static_cast<int>(i), QString::fromUtf8(caption.data(), static_cast<int>(caption.size())), key.signatureKind,
            key.signatureCount, notes);
  }
  // Ledger lines: B4 (below the note), A4 (through it), middle C, F1.
  drawOne(static_cast<int>(keys.size()), "Ledger lines", " ", 0, {{72, "b"}, {69, "#"}, {33, "n"}, {0, ""}});
  painter.end();
  return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
