// The real main window: Qt widgets built from the layout tables and kept in
// step with the window model in both directions.
#pragma once

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "app/form2.h"
#include "app/qt/announcer.h"
#include "app/qt/paint_box.h"
#include "app/qt/progress/progress_window.h"
#include "app/qt/qt_platform.h"
#include "app/qt/sound_input_dialog.h"
#include "app/trainer.h"
#include "ui/window_model.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;

namespace lintra::controls {
class TElasticForm;
}

namespace lintra::midi {
class MidiService;
}

namespace lintra::frontend {

// What the window is given: the program passes the Qt clock, boxes and shell and the system's MIDI
// services; the tests a manual clock and a fake MIDI service. The clock, dialogs and shell must
// outlive the window.
struct WindowServices {
  ui::Clock& clock;
  ui::Dialogs& dialogs;
  ui::Shell& shell;
  std::unique_ptr<midi::MidiService> midi;
  std::string settingsFile;
  std::string helpDocument;
  std::string journalPath = {};  // empty: no journal of the answers
  // Called when the window is created, before it lists the devices: the MIDI ports are reached from
  // then on, after the first paint.
  std::function<void()> reachMidi = {};
  // The sound input, made when listening is first switched on (the capture module is loaded then).
  std::function<listen::CaptureService&()> capture = {};
};

class MainWindow : public QMainWindow {
 public:
  explicit MainWindow(WindowServices services);
  ~MainWindow() override;

  // Runs the create handler; the window then shows itself maximized.
  void Create();
  // Shows the window maximized and runs the create handler as soon as it has
  // been painted, so that listing and opening the MIDI devices (and with them
  // the synthesizer's audio) costs the start no time before the window is seen.
  void ShowMaximizedThenCreate();
  app::TForm2& Form() { return *form_; }
  QWidget* Client() { return client_; }
  PaintBoxWidget* PaintBox() { return paintBox_; }
  QWidget* Widget(ui::ControlName name) { return widgets_.at(&model_.C(name)); }
  QAction* Action(ui::MenuName name) { return actions_.at(&model_.M(name)); }
  // For names known only at run time (tools, tests).
  QWidget* WidgetNamed(std::string_view name) { return widgets_.at(&model_.ControlNamed(name)); }
  QAction* ActionNamed(std::string_view name) { return actions_.at(&model_.MenuNamed(name)); }
  controls::TElasticForm* ElasticForm1() { return elastic_; }
  // What the window says to the student through assistive technology: each answer and question.
  Announcer& Announcements() { return *announcer_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  QWidget* MakeWidget(ui::Control& control);
  QComboBox* MakeCombo(ui::Control& control);
  void BuildMenus();
  void SyncControl(const ui::Control& control);
  void SyncMenu(const ui::MenuItem& item);
  void AfterRescale();
  void PlaceKeyCaptions();
  void FitText(QWidget* widget);
  void NameKeys();
  void NameListsByLabels();
  void MakeElasticForm();
  // The fields show their texts as a handler leaves them, once it is done: a screen reader hears
  // each settled text, never one a handler wrote only to change it again. Announcements follow.
  void PublishLater();
  void PublishSettled();

  ui::WindowModel model_;
  QtPump pump_;
  midi::MessageLoop loop_;
  std::unique_ptr<midi::MidiService> midi_;
  std::function<void()> reachMidi_;
  QWidget* client_ = nullptr;
  PaintBoxWidget* paintBox_ = nullptr;
  QLabel* statusText_ = nullptr;  // the time and mistake line's text, in the status bar
  controls::TElasticForm* elastic_ = nullptr;
  // A window of its own, not a child: the form's scaling and look walk the main window's children.
  // Made when it is first asked for, not before the first paint; declared before the form, which
  // keeps a pointer to it.
  class LazyProgressWindow final : public coach::ProgressView {
   public:
    void Show(const coach::ProgressRequest& request) override {
      if (!window_) window_ = std::make_unique<progress::ProgressWindow>();
      window_->Show(request);
    }
    void Answered() override {
      if (window_) window_->Answered();
    }

   private:
    std::unique_ptr<progress::ProgressWindow> window_;
  };
  LazyProgressWindow progress_;
  QtSoundInputChooser soundInputs_{this};
  std::unique_ptr<app::Trainer> trainer_;
  app::TForm2* form_ = nullptr;  // the trainer's window
  std::unique_ptr<EventWaker> waker_;
  std::map<const ui::Control*, QWidget*> widgets_;
  std::map<const ui::MenuItem*, QAction*> actions_;
  int menuPoints_ = 0;  // the system's menu font size, which the menu titles keep where they fit
  int menuTitlesWidth_ = -1;                    // the window width the menu titles were last fitted to
  std::map<const QWidget*, int> scaledPoints_;  // each control's font size as the last rescale left it
  std::unique_ptr<Announcer> announcer_;
  std::set<const ui::Control*> unsettled_;  // fields whose text changed since they were last published
  std::vector<QString> announcements_;      // said once the fields are published
  bool publishQueued_ = false;
  bool syncing_ = false;
  bool created_ = false;
  bool painted_ = false;
  bool createAfterPaint_ = false;
};

}  // namespace lintra::frontend
