// TElasticForm: keeps every named control of a form in proportion to the form's size and to the
// screen it runs on. Laid out once for a design screen, the form looks the same at any window size
// and resolution. It also limits the window's size, can keep its proportions, paints a background
// picture and can remember the window's placement and the controls' visibility between runs.
//
// The component works from the form's own events alone: it filters them before the form sees them.
// Qt delivers no sizing-drag start or end, so a drag is a run of size changes coming from the window
// system; the drag ends when no further change arrives for a quiet time (250 ms unless set).
//
// Qt-specific choices:
// - Alignment: a control is aligned when it carries the dynamic property "align" with one of "top",
//   "bottom", "left", "right", "client"; this orders the recording, and a background picture whose
//   label is "client"-aligned is stretched instead of tiled.
// - Placement: the form's dynamic property "position" = "screenCenter" or "ownerCenter" centres the
//   form on the screen or on its parent's window; anything else uses the designed position.
// - Extra fonts: properties of type QFont of a control (declared or dynamic) other than "font".
// - Client area: a QMainWindow's central widget, else the form; only controls inside it are scaled
//   (a main window lays out its own menu bar, tool bars and status bar).
#pragma once

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <stdexcept>
#include <vector>

#include "controls/elastfrm_kinds.h"
#include "controls/elastfrm_math.h"
#include "controls/elastfrm_settings.h"

class QResizeEvent;
class QWidget;
class QWindowStateChangeEvent;

namespace lintra::controls {

class EElasticFormError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TElasticForm : public QObject {
  Q_OBJECT

 public:
  // The owner must be a window and may hold only one TElasticForm; the component becomes its child.
  explicit TElasticForm(QWidget* owner);
  ~TElasticForm() override;

  bool ElasticHorizontal() const { return elasticHorizontal_; }
  void SetElasticHorizontal(bool v) { elasticHorizontal_ = v; }
  bool ElasticVertical() const { return elasticVertical_; }
  void SetElasticVertical(bool v) { elasticVertical_ = v; }
  bool ElasticFont() const { return elasticFont_; }
  void SetElasticFont(bool v) { elasticFont_ = v; }

  int DesignScreenWidth() const { return designScreenWidth_; }
  void SetDesignScreenWidth(int v) { designScreenWidth_ = v; }
  int DesignScreenHeight() const { return designScreenHeight_; }
  void SetDesignScreenHeight(int v) { designScreenHeight_ = v; }
  int DesignPixelsPerInch() const { return designPixelsPerInch_; }
  void SetDesignPixelsPerInch(int v) { designPixelsPerInch_ = v; }

  // Qt leaves the maximized position to the window manager: kept and saved only.
  int MaximizedPosX() const { return maximizedPosX_; }
  void SetMaximizedPosX(int v) { maximizedPosX_ = v; }
  int MaximizedPosY() const { return maximizedPosY_; }
  void SetMaximizedPosY(int v) { maximizedPosY_ = v; }

  // Outer window sizes; negative = percentage of the maximized-window size; 0 = no limit of ours.
  int MinimumTrackWidth() const { return minimumTrackWidth_; }
  void SetMinimumTrackWidth(int v);
  int MinimumTrackHeight() const { return minimumTrackHeight_; }
  void SetMinimumTrackHeight(int v);
  int MaximumTrackWidth() const { return maximumTrackWidth_; }
  void SetMaximumTrackWidth(int v);
  int MaximumTrackHeight() const { return maximumTrackHeight_; }
  void SetMaximumTrackHeight(int v);

  int DesignFormWidth() const { return designFormWidth_; }
  void SetDesignFormWidth(int v) { designFormWidth_ = v; }
  int DesignFormHeight() const { return designFormHeight_; }
  void SetDesignFormHeight(int v) { designFormHeight_ = v; }
  int DesignFormClientWidth() const { return designFormClientWidth_; }
  void SetDesignFormClientWidth(int v) { designFormClientWidth_ = v; }
  int DesignFormClientHeight() const { return designFormClientHeight_; }
  void SetDesignFormClientHeight(int v) { designFormClientHeight_ = v; }
  int DesignFormLeft() const { return designFormLeft_; }
  void SetDesignFormLeft(int v) { designFormLeft_ = v; }
  int DesignFormTop() const { return designFormTop_; }
  void SetDesignFormTop(int v) { designFormTop_ = v; }

  bool MaintainProportions() const { return maintainProportions_; }
  void SetMaintainProportions(bool v);

  // The reference font; the form's own font follows it.
  QFont Font() const { return font_; }
  void SetFont(const QFont& font);
  QColor FontColor() const { return fontColor_; }
  void SetFontColor(const QColor& color);

  // A label holding the background picture; assigning one hides the label itself.
  QLabel* BkGrndImage() const { return bkGrndImage_; }
  void SetBkGrndImage(QLabel* image);

  bool DBGridSelfResize() const { return dbGridSelfResize_; }
  void SetDBGridSelfResize(bool v) { dbGridSelfResize_ = v; }

  // Settings key of the saved placement; empty = nothing saved or restored.
  QString ElFrmIniFile() const { return elFrmIniFile_; }
  void SetElFrmIniFile(const QString& v) { elFrmIniFile_ = v; }

  float Version() const { return version_; }
  void SetVersion(float) { version_ = kVersion; }

  bool GridColumnWidthResize() const { return grid_.columnWidths; }
  void SetGridColumnWidthResize(bool v) { grid_.columnWidths = v; }
  bool GridRowHeightResize() const { return grid_.rowHeights; }
  void SetGridRowHeightResize(bool v) { grid_.rowHeights = v; }
  bool GridFontResize() const { return grid_.fonts; }
  void SetGridFontResize(bool v) { grid_.fonts = v; }

  // There is no form designer, so this only keeps its value.
  bool FontWarning() const { return fontWarning_; }
  void SetFontWarning(bool v) { fontWarning_ = v; }
  bool LookForExtraFonts() const { return lookForExtraFonts_; }
  void SetLookForExtraFonts(bool v) { lookForExtraFonts_ = v; }
  bool ResolutionIndependence() const { return resolutionIndependence_; }
  void SetResolutionIndependence(bool v) { resolutionIndependence_ = v; }

  QString EFActiveControl() const { return efActiveControl_; }
  void SetEFActiveControl(const QString& v) { efActiveControl_ = v; }

  // Fired at the end of every rescale.
  std::function<void()> OnAfterResize;

  // The end of a sizing or moving drag; normally reached by the quiet timer.
  void EndSizingDrag();
  bool SizingDragInProgress() const { return dragging_; }
  void SetDragQuietTime(int milliseconds);

  // The screen's size or the form's screen changed.
  void DisplayChanged();

  // Stands in for the screen's available size (the maximized-window size); an invalid size goes
  // back to the real screen.
  void SetScreenSizeForTesting(QSize size) { screenOverride_ = size; }

  // The recorded controls in recording order (empty until the form was first shown).
  std::vector<QWidget*> RecordedControls() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static constexpr float kVersion = 601.0F;

  struct Record {
    QPointer<QWidget> widget;
    elastfrm::Rect bounds;
    int font = 0;
    std::vector<elastfrm::ExtraFont> extraFonts;
    elastfrm::KindRecord kind;
    bool visible = true;
  };

  static QWidget* CheckedOwner(QWidget* owner);

  QWidget* ClientArea() const;
  QSize OuterSize() const;
  QSize ScreenSize() const;
  QRect ScreenArea() const;
  int FormFontPoints() const;

  void FirstInitialisation();
  void RecordControls();
  void RestoreSettings();
  elastfrm::Rect ComputePlacement() const;
  void SetOuterGeometry(const elastfrm::Rect& outer);
  void ApplySizeLimits();
  void ConnectScreen();

  void Rescale();
  void RescaleIfResized();
  void HideChildren();
  void ShowChildren();
  void RememberActiveControl();
  void RestoreFocus();
  void SyncFormFont();
  void PaintBackground();
  void SavePlacement();
  elastfrm::WindowPlacement CurrentPlacement() const;

  void OnResize(const QResizeEvent& event);
  void OnMove(bool spontaneous);
  void OnShown();
  void OnActivated();
  void OnStateChange(const QWindowStateChangeEvent& event);
  void ApplySavedMaximized();
  bool PlaceRestoredWindow();

  QPointer<QWidget> form_;

  bool elasticHorizontal_ = true;
  bool elasticVertical_ = true;
  bool elasticFont_ = true;
  int designScreenWidth_ = 0;
  int designScreenHeight_ = 0;
  int designPixelsPerInch_ = 96;
  int maximizedPosX_ = 0;
  int maximizedPosY_ = 0;
  int minimumTrackWidth_ = 0;
  int minimumTrackHeight_ = 0;
  int maximumTrackWidth_ = 0;
  int maximumTrackHeight_ = 0;
  int designFormWidth_ = 0;
  int designFormHeight_ = 0;
  int designFormClientWidth_ = 0;
  int designFormClientHeight_ = 0;
  int designFormLeft_ = 0;
  int designFormTop_ = 0;
  bool maintainProportions_ = false;
  QFont font_;
  QColor fontColor_;
  QPointer<QLabel> bkGrndImage_;
  bool dbGridSelfResize_ = false;
  QString elFrmIniFile_;
  float version_ = kVersion;
  elastfrm::GridOptions grid_;
  bool fontWarning_ = true;
  bool lookForExtraFonts_ = true;
  bool resolutionIndependence_ = true;
  QString efActiveControl_;

  // Scaling state.
  elastfrm::Ratios ratios_;
  QSize screen_;
  QSize screenOverride_;
  elastfrm::Size refClient_;
  int refFont_ = 0;
  double fontFactor_ = 1.0;
  std::vector<Record> records_;
  QSize lastSize_;

  // Window state.
  bool initialised_ = false;
  bool userTookOver_ = false;
  bool activatedOnce_ = false;
  bool shownMaximized_ = false;
  bool mouseHasBeenOver_ = false;
  bool closeOrMinimizeSeen_ = false;
  bool stateResizePending_ = false;
  bool ignoreResize_ = false;
  bool inRescale_ = false;
  bool limitsApplied_ = false;
  elastfrm::Rect placement_;
  bool hasPlacement_ = false;
  // Opened maximized: tries left to put the window at placement_ when it is first restored.
  static constexpr int kRestoreAttempts = 2;
  int restoreToPlacement_ = 0;

  // Sizing drags.
  QTimer quietTimer_;
  bool dragging_ = false;
  bool dragSizeChanged_ = false;
  bool movedByUser_ = false;
  QSize dragStartSize_;

  // Hiding during a rescale.
  std::vector<QPointer<QWidget>> hiddenChildren_;
  bool childrenHidden_ = false;
  QPointer<QWidget> focusBeforeHide_;

  // Saved settings.
  bool savedMaximized_ = false;
  bool savedMaximizedApplied_ = false;
  bool suppressShowRescale_ = false;
  // Shown maximized: the show's rescale waits for the maximized size, or for the window to be exposed.
  QPointer<QWindow> showRescaleWindow_;
  elastfrm::WindowPlacement placementRecord_;
  bool placementRead_ = false;

  QMetaObject::Connection screenConnection_;
};

}  // namespace lintra::controls
