#include "controls/elastfrm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSettings>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>
#include <memory>

namespace lintra::controls {
namespace {

using elastfrm::Round;

QApplication& App() {
  static int argc = 1;
  static char name[] = "elastfrm_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

void Settle() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

// A part of the main window's design layout: 803 x 420 client on an 808 x 580 design screen.
struct ControlSpec {
  const char* name;
  QRect rect;
  int points;
};
const ControlSpec kControls[] = {
    {"QuestShw", {96, 16, 592, 26}, 12}, {"AnsShow", {96, 48, 592, 26}, 12},   {"Score", {496, 120, 105, 30}, 14},
    {"Label2", {496, 160, 105, 21}, 10}, {"F1", {0, 269, 32, 143}, 8},         {"F1sharp", {24, 269, 20, 91}, 8},
    {"B4", {768, 269, 32, 143}, 8},      {"Panel1", {232, 120, 249, 138}, 10},
};

std::unique_ptr<QWidget> MakeForm() {
  auto form = std::make_unique<QWidget>();
  form->setObjectName("Form2");
  QFont font = form->font();
  font.setPointSize(10);
  form->setFont(font);
  form->resize(803, 420);
  for (const ControlSpec& layout : kControls) {
    auto* label = new QLabel(QString::fromLatin1(layout.name), form.get());
    label->setObjectName(layout.name);
    label->setGeometry(layout.rect);
    QFont f = label->font();
    f.setPointSize(layout.points);
    label->setFont(f);
  }
  // A named control inside a named container, and one inside a container without a name.
  auto* inner = new QLabel("inner", form->findChild<QWidget*>("Panel1"));
  inner->setObjectName("PaintBox1");
  inner->setGeometry(10, 20, 200, 100);
  auto* holder = new QWidget(form.get());
  holder->setGeometry(700, 100, 100, 100);
  auto* deep = new QLabel("deep", holder);
  deep->setObjectName("Deep");
  deep->setGeometry(1, 2, 30, 40);
  auto* anonymous = new QLabel("anonymous", form.get());
  anonymous->setGeometry(5, 5, 50, 10);
  return form;
}

class ElasticFormTest : public ::testing::Test {
 protected:
  TElasticForm& Attach(QWidget* owner, QSize screen = {808, 580}) {
    auto* elastic = new TElasticForm(owner);
    elastic->SetDesignScreenWidth(808);
    elastic->SetDesignScreenHeight(580);
    elastic->SetDesignPixelsPerInch(96);
    elastic->SetDesignFormWidth(819);
    elastic->SetDesignFormHeight(478);
    elastic->SetDesignFormClientWidth(803);
    elastic->SetDesignFormClientHeight(420);
    elastic->SetDesignFormLeft(201);
    elastic->SetDesignFormTop(126);
    elastic->SetScreenSizeForTesting(screen);
    elastic->OnAfterResize = [this] { ++rescales; };
    return *elastic;
  }

  TElasticForm& Attach(QSize screen = {808, 580}) { return Attach(form.get(), screen); }

  QWidget* Child(const char* name) const { return form->findChild<QWidget*>(name); }

  void Show() {
    form->show();
    Settle();
  }

  QApplication& app = App();
  std::unique_ptr<QWidget> form = MakeForm();
  int rescales = 0;
};

// ---- creation ----------------------------------------------------------------------------------

TEST_F(ElasticFormTest, OwnerMustBeAWindow) {
  auto expectRefused = [](QWidget* owner) {
    try {
      TElasticForm elastic(owner);
      ADD_FAILURE() << "created on a control";
    } catch (const EElasticFormError& e) {
      EXPECT_STREQ(e.what(), "Owner of TElasticForm component must be a form");
    }
  };
  expectRefused(Child("Score"));
  expectRefused(nullptr);
}

TEST_F(ElasticFormTest, SecondComponentOnAFormIsRefusedWithTheFormsName) {
  Attach();
  try {
    TElasticForm second(form.get());
    ADD_FAILURE() << "second component created";
  } catch (const EElasticFormError& e) {
    EXPECT_STREQ(e.what(), "A TElasticForm component already exists in Form2");
  }
  EXPECT_EQ(form->findChildren<TElasticForm*>().size(), 1U);
}

TEST_F(ElasticFormTest, StartsWithItsDocumentedValues) {
  Child("QuestShw")->setFocus();
  TElasticForm elastic(form.get());
  EXPECT_TRUE(elastic.ElasticHorizontal());
  EXPECT_TRUE(elastic.ElasticVertical());
  EXPECT_TRUE(elastic.ElasticFont());
  EXPECT_EQ(elastic.MaximumTrackWidth(), 0);
  EXPECT_EQ(elastic.MinimumTrackHeight(), 0);
  EXPECT_FALSE(elastic.MaintainProportions());
  EXPECT_FALSE(elastic.DBGridSelfResize());
  EXPECT_TRUE(elastic.ElFrmIniFile().isEmpty());
  EXPECT_TRUE(elastic.GridColumnWidthResize());
  EXPECT_TRUE(elastic.GridRowHeightResize());
  EXPECT_TRUE(elastic.GridFontResize());
  EXPECT_TRUE(elastic.FontWarning());
  EXPECT_TRUE(elastic.LookForExtraFonts());
  EXPECT_TRUE(elastic.ResolutionIndependence());
  EXPECT_EQ(elastic.Font().pointSize(), 10);
  EXPECT_EQ(elastic.EFActiveControl(), "QuestShw");
  EXPECT_FLOAT_EQ(elastic.Version(), 601.0F);
  elastic.SetVersion(3.5F);
  EXPECT_FLOAT_EQ(elastic.Version(), 601.0F);
}

// ---- collecting and rescaling ------------------------------------------------------------------

TEST_F(ElasticFormTest, CollectsNamedControlsAtAnyDepthInChildOrder) {
  Attach();
  Show();
  QStringList names;
  for (QWidget* w : form->findChild<TElasticForm*>()->RecordedControls()) names << w->objectName();
  EXPECT_EQ(names, (QStringList{"QuestShw", "AnsShow", "Score", "Label2", "F1", "F1sharp", "B4", "Panel1", "PaintBox1",
                                "Deep"}));
}

TEST_F(ElasticFormTest, AlignedControlsAreRecordedFirst) {
  Child("B4")->setProperty("align", "top");
  Child("F1")->setProperty("align", "top");
  Attach();
  Show();
  const auto recorded = form->findChild<TElasticForm*>()->RecordedControls();
  ASSERT_GE(recorded.size(), 3U);
  // Same top: the later one in child order comes first.
  EXPECT_EQ(recorded[0]->objectName(), "B4");
  EXPECT_EQ(recorded[1]->objectName(), "F1");
  EXPECT_EQ(recorded[2]->objectName(), "QuestShw");
}

TEST_F(ElasticFormTest, DesignSizeOnDesignScreenKeepsEveryBoundAndFont) {
  Attach();
  Show();
  EXPECT_EQ(form->size(), QSize(803, 420));
  for (const ControlSpec& layout : kControls) {
    EXPECT_EQ(Child(layout.name)->geometry(), layout.rect) << layout.name;
    EXPECT_EQ(Child(layout.name)->font().pointSize(), layout.points) << layout.name;
  }
  EXPECT_EQ(Child("PaintBox1")->geometry(), QRect(10, 20, 200, 100));
  EXPECT_GE(rescales, 1);
}

TEST_F(ElasticFormTest, TwiceTheDesignScreenDoublesEveryBound) {
  Attach(QSize(1616, 1160));
  Show();
  EXPECT_EQ(form->size(), QSize(1606, 840));
  for (const ControlSpec& layout : kControls) {
    const QRect r = layout.rect;
    EXPECT_EQ(Child(layout.name)->geometry(), QRect(2 * r.x(), 2 * r.y(), 2 * r.width(), 2 * r.height()))
        << layout.name;
  }
  EXPECT_EQ(Child("PaintBox1")->geometry(), QRect(20, 40, 400, 200));
  EXPECT_EQ(Child("Deep")->geometry(), QRect(2, 4, 60, 80));
  // The container without a name is not scaled, and neither is the unnamed label.
  EXPECT_EQ(Child("Deep")->parentWidget()->geometry(), QRect(700, 100, 100, 100));
  // Fonts: carried over by the screen ratio, then by the window (1610 x 844 outer against 1606 x 840).
  EXPECT_EQ(Child("F1")->font().pointSize(), 16);
  EXPECT_EQ(Child("Score")->font().pointSize(), 28);
  EXPECT_EQ(form->font().pointSize(), 20);
  EXPECT_EQ(form->findChild<TElasticForm*>()->Font().pointSize(), 20);
}

TEST_F(ElasticFormTest, FontSizesOnATieGoDown) {
  auto* big = new QLabel("big", form.get());
  big->setObjectName("Big");
  QFont f = big->font();
  f.setPointSize(19);
  big->setFont(f);
  TElasticForm& elastic = Attach();
  elastic.SetDesignFormClientWidth(1900);
  elastic.SetDesignFormClientHeight(400);
  Show();
  const QSize chrome = form->frameGeometry().size() - form->size();
  // Outer width 950 against 1900: font factor 0.5, so 19 points become 9.5 -> 9.
  form->resize(950 - chrome.width(), 600);
  Settle();
  EXPECT_EQ(big->font().pointSize(), 9);
  form->resize(1500, 600);
  Settle();
  // 951 / 1900 x 19 = 9.51 -> 10.
  form->resize(951 - chrome.width(), 600);
  Settle();
  EXPECT_EQ(big->font().pointSize(), 10);
}

TEST_F(ElasticFormTest, WithoutVerticalElasticityTopsAndHeightsStayAtTheirScreenValues) {
  TElasticForm& elastic = Attach(QSize(1616, 1160));
  elastic.SetElasticVertical(false);
  Show();
  form->resize(803, 420);
  Settle();
  const QRect score = Child("Score")->geometry();
  EXPECT_EQ(score.y(), 240);
  EXPECT_EQ(score.height(), 60);
  EXPECT_EQ(score.x(), 496);
  EXPECT_EQ(score.width(), 105);
}

TEST_F(ElasticFormTest, ExtraFontsScaleWithTheControl) {
  Child("Score")->setProperty("captionFont", QFont("Serif", 10));
  Child("Score")->setProperty("notAFont", 10);
  Attach(QSize(1616, 1160));
  Show();
  EXPECT_EQ(Child("Score")->property("captionFont").value<QFont>().pointSize(), 20);
  EXPECT_EQ(Child("Score")->property("notAFont").toInt(), 10);
}

TEST_F(ElasticFormTest, FocusGoesToTheActiveControlWhenNothingHasIt) {
  auto* edit = new QLineEdit(form.get());
  edit->setObjectName("Edit1");
  edit->setGeometry(10, 400, 100, 16);
  TElasticForm& elastic = Attach();
  elastic.SetEFActiveControl("Edit1");
  Show();
  EXPECT_EQ(form->focusWidget(), edit);
}

// ---- other kinds of control ----------------------------------------------------------------------

class ElasticKindsTest : public ElasticFormTest {
 protected:
  ElasticKindsTest() {
    status = new QStatusBar(form.get());
    status->setObjectName("StatusBar1");
    status->setSizeGripEnabled(false);
    status->setGeometry(0, 390, 400, 30);
    for (int width : {120, 80}) {
      auto* panel = new QLabel("panel", status);
      panel->setObjectName(QString("Panel%1").arg(width));
      panel->setFixedWidth(width);
      status->addPermanentWidget(panel);
    }

    header = new QHeaderView(Qt::Horizontal, form.get());
    header->setObjectName("Header1");
    header->setModel(new QStandardItemModel(1, 3, header));
    header->setGeometry(0, 0, 300, 20);
    for (int i = 0; i < 3; ++i) header->resizeSection(i, 50 + 10 * i);

    tools = new QToolBar(form.get());
    tools->setObjectName("ToolBar1");
    tools->setGeometry(400, 0, 200, 30);
    tools->addAction("One");
    tools->addAction("Two");
    toolFont = tools->font().pointSize();

    grid = new QTableWidget(4, 3, form.get());
    grid->setObjectName("Grid1");
    grid->setGeometry(300, 300, 300, 100);
    for (int i = 0; i < 3; ++i) grid->setColumnWidth(i, 80);
    grid->verticalHeader()->setDefaultSectionSize(20);

    tabs = new QTabWidget(form.get());
    tabs->setObjectName("Tabs1");
    tabs->setGeometry(600, 100, 200, 150);
    auto* page = new QWidget;
    page->setObjectName("Page1");
    onPage = new QLabel("on page", page);
    onPage->setObjectName("OnPage");
    onPage->setGeometry(5, 5, 60, 20);
    tabs->addTab(page, "Page");
  }

  QStatusBar* status;
  QHeaderView* header;
  QToolBar* tools;
  int toolFont;
  QTableWidget* grid;
  QTabWidget* tabs;
  QLabel* onPage;
};

TEST_F(ElasticKindsTest, EachKindScalesItsOwnSizesWhenTheWindowDoubles) {
  Attach();
  Show();
  std::vector<QSize> buttons;
  for (QToolButton* b : tools->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
    if (!b->objectName().startsWith("qt_")) buttons.push_back(b->size());
  ASSERT_EQ(buttons.size(), 2U);

  form->resize(1606, 840);
  Settle();

  EXPECT_EQ(status->findChild<QWidget*>("Panel120")->width(), 240);
  EXPECT_EQ(status->findChild<QWidget*>("Panel80")->width(), 160);
  EXPECT_EQ(header->sectionSize(0), 100);
  EXPECT_EQ(header->sectionSize(2), 140);

  std::size_t i = 0;
  for (QToolButton* b : tools->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
    if (!b->objectName().startsWith("qt_")) {
      EXPECT_EQ(b->size(), buttons[i++] * 2);
    }
  }
  EXPECT_EQ(tools->font().pointSize(), toolFont);

  const int frame = 2 * grid->frameWidth();
  EXPECT_EQ(grid->columnWidth(1), Round(80.0 * (600 - frame) / (300 - frame)));
  EXPECT_EQ(grid->verticalHeader()->defaultSectionSize(), 40);
  EXPECT_EQ(grid->rowHeight(3), 40);
  EXPECT_EQ(grid->font().pointSize(), 20);
}

TEST_F(ElasticKindsTest, GridOptionsKeepColumnsRowsAndFonts) {
  TElasticForm& elastic = Attach();
  elastic.SetGridColumnWidthResize(false);
  elastic.SetGridRowHeightResize(false);
  elastic.SetGridFontResize(false);
  Show();
  form->resize(1606, 840);
  Settle();
  EXPECT_EQ(grid->columnWidth(1), 80);
  EXPECT_EQ(grid->verticalHeader()->defaultSectionSize(), 20);
  EXPECT_EQ(grid->font().pointSize(), 10);
  EXPECT_EQ(grid->width(), 600);
}

TEST_F(ElasticKindsTest, GridColumnsAreRecordedAgainWhenTheirCountChanges) {
  Attach();
  Show();
  grid->setColumnCount(4);
  grid->setColumnWidth(3, 70);
  form->resize(1606, 840);
  Settle();
  const int frame = 2 * grid->frameWidth();
  EXPECT_EQ(grid->columnWidth(3), Round(70.0 * (600 - frame) / (300 - frame)));
  EXPECT_EQ(grid->columnWidth(0), Round(80.0 * (600 - frame) / (300 - frame)));
}

TEST_F(ElasticKindsTest, PagesAreNotRecordedAndTheirControlsKeepTheirOwnFont) {
  Attach();
  Show();
  const auto recorded = form->findChild<TElasticForm*>()->RecordedControls();
  auto has = [&](const char* name) {
    return std::any_of(recorded.begin(), recorded.end(), [&](QWidget* w) { return w->objectName() == name; });
  };
  EXPECT_FALSE(has("Page1"));
  EXPECT_TRUE(has("OnPage"));
  EXPECT_FALSE(has("Panel120"));
  const QString family = onPage->font().family();
  tabs->widget(0)->setFont(QFont("Some Other Family", 30));
  EXPECT_EQ(onPage->font().family(), family);
  EXPECT_EQ(onPage->font().pointSize(), 10);
}

// ---- background picture --------------------------------------------------------------------------

TEST_F(ElasticFormTest, BackgroundPictureIsTiledOrStretched) {
  TElasticForm& elastic = Attach();
  QPixmap picture(10, 10);
  picture.fill(Qt::red);
  auto* image = new QLabel(form.get());
  image->setPixmap(picture);
  elastic.SetBkGrndImage(image);
  EXPECT_TRUE(image->isHidden());
  Show();
  QImage shot = form->grab().toImage();
  EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::red));
  EXPECT_EQ(shot.pixelColor(form->width() - 1, form->height() - 1), QColor(Qt::red));

  QPixmap halves(2, 1);
  halves.fill(Qt::blue);
  {
    QPainter p(&halves);
    p.fillRect(0, 0, 1, 1, Qt::red);
  }
  image->setPixmap(halves);
  image->setProperty("align", "client");
  shot = form->grab().toImage();
  EXPECT_EQ(shot.pixelColor(3, 250), QColor(Qt::red));
  EXPECT_EQ(shot.pixelColor(form->width() - 3, 250), QColor(Qt::blue));
}

// ---- window events -------------------------------------------------------------------------------

TEST_F(ElasticFormTest, ProgrammaticResizeRescalesOnlyBeyondFivePixels) {
  Attach();
  Show();
  const int before = rescales;
  form->resize(807, 420);
  Settle();
  EXPECT_EQ(rescales, before);
  EXPECT_EQ(Child("B4")->geometry(), QRect(768, 269, 32, 143));
  form->resize(809, 420);
  Settle();
  EXPECT_EQ(rescales, before + 1);
  EXPECT_EQ(Child("B4")->x(), Round(768 * 809.0 / 803));
}

TEST_F(ElasticFormTest, SizingDragRescalesOnceAtItsEnd) {
  TElasticForm& elastic = Attach();
  Show();
  const int before = rescales;
  for (int width : {820, 850, 900, 950}) {
    form->windowHandle()->resize(width, 430);
    Settle();
  }
  EXPECT_TRUE(elastic.SizingDragInProgress());
  EXPECT_EQ(rescales, before);
  EXPECT_EQ(Child("B4")->geometry(), QRect(768, 269, 32, 143));

  elastic.EndSizingDrag();
  EXPECT_FALSE(elastic.SizingDragInProgress());
  EXPECT_EQ(rescales, before + 1);
  EXPECT_EQ(Child("B4")->x(), Round(768 * form->width() / 803.0));
  EXPECT_TRUE(Child("B4")->isVisible());
}

TEST_F(ElasticFormTest, DragEndsAfterAQuietTimeEvenForATinyChange) {
  TElasticForm& elastic = Attach();
  // Long enough that a loaded machine still sees the drag begin before it ends.
  elastic.SetDragQuietTime(400);
  Show();
  const int before = rescales;
  form->windowHandle()->resize(form->width() + 1, form->height());
  Settle();
  EXPECT_TRUE(elastic.SizingDragInProgress());
  QElapsedTimer clock;
  clock.start();
  while (elastic.SizingDragInProgress() && clock.elapsed() < 2000)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  EXPECT_FALSE(elastic.SizingDragInProgress());
  EXPECT_EQ(rescales, before + 1);
}

TEST_F(ElasticFormTest, MovingTheWindowNeverRescales) {
  TElasticForm& elastic = Attach();
  Show();
  const int before = rescales;
  form->windowHandle()->setPosition(50, 60);
  Settle();
  elastic.EndSizingDrag();
  EXPECT_EQ(rescales, before);
}

TEST_F(ElasticFormTest, DragEndKeepsTheDesignProportions) {
  TElasticForm& elastic = Attach(QSize(1616, 1160));
  elastic.SetMaintainProportions(true);
  Show();
  // The height changed less than the width: the width follows the height.
  form->windowHandle()->resize(800, 700);
  Settle();
  elastic.EndSizingDrag();
  Settle();
  const QSize outer = form->frameGeometry().size();
  EXPECT_EQ(outer.height(), 704);
  EXPECT_EQ(outer.width(), Round(819.0 / 478.0 * 704));
}

TEST_F(ElasticFormTest, NegativeMaximumWidthIsAPercentageOfTheScreen) {
  TElasticForm& elastic = Attach();
  Show();
  elastic.SetMaximumTrackWidth(-50);
  form->resize(2000, 400);
  Settle();
  EXPECT_EQ(form->frameGeometry().width(), 404);
  elastic.SetMaximumTrackWidth(0);
  form->resize(700, 400);
  Settle();
  EXPECT_EQ(form->width(), 700);
}

TEST_F(ElasticFormTest, MaximizeRescalesToTheMaximizedClientAndShowsEverythingAgain) {
  Attach();
  Show();
  Child("Label2")->hide();
  form->showMaximized();
  Settle();
  EXPECT_NEAR(Child("B4")->x(), 768.0 * form->width() / 803, 1.0);
  EXPECT_TRUE(Child("QuestShw")->isVisible());
  EXPECT_TRUE(Child("Label2")->isHidden());
}

// Opened maximized, the layout is scaled once, to the maximized size, not first to the size the
// window had before the window system maximized it.
TEST_F(ElasticFormTest, OpenedMaximizedIsScaledOnceAtItsMaximizedSize) {
  Attach();
  form->showMaximized();
  Settle();
  ASSERT_TRUE(form->isMaximized());
  EXPECT_EQ(rescales, 1);
  EXPECT_NEAR(Child("B4")->x(), 768.0 * form->width() / 803, 1.0);
  EXPECT_TRUE(Child("QuestShw")->isVisible());
}

TEST_F(ElasticFormTest, RestoringAWindowThatOpenedMaximizedPlacesItAsIfItHadOpenedNormally) {
  const QSize screen(404, 290);  // half the design screen
  auto normal = MakeForm();
  Attach(normal.get(), screen);
  normal->show();
  Settle();
  const QRect placed = normal->frameGeometry();
  ASSERT_LT(placed.width(), 500) << "placed by the component, not at the design size";

  TElasticForm& elastic = Attach(screen);
  form->showMaximized();
  Settle();
  ASSERT_TRUE(form->isMaximized());
  for (int round = 0; round < 2; ++round) {
    form->showNormal();
    Settle();
    EXPECT_EQ(form->frameGeometry(), placed) << round;
    EXPECT_FALSE(elastic.SizingDragInProgress()) << "a restore is no drag";
    EXPECT_EQ(Child("B4")->geometry(), normal->findChild<QWidget*>("B4")->geometry()) << round;
    form->showMaximized();
    Settle();
  }
}

TEST_F(ElasticFormTest, DisplayChangeScalesTheWindowWithTheScreen) {
  TElasticForm& elastic = Attach();
  Show();
  const QRect before = form->frameGeometry();
  elastic.SetScreenSizeForTesting(QSize(1616, 1160));
  elastic.DisplayChanged();
  Settle();
  EXPECT_EQ(elastic.DesignScreenWidth(), 1616);
  EXPECT_EQ(form->frameGeometry().size(), before.size() * 2);
  EXPECT_NEAR(Child("QuestShw")->width(), 2 * 592, 4);
}

// ---- saved placement -----------------------------------------------------------------------------

class ElasticSettingsTest : public ElasticFormTest {
 protected:
  QString File() const { return dir.filePath("placement.ini"); }
  QTemporaryDir dir;
};

TEST_F(ElasticSettingsTest, PlacementAndVisibilityComeBack) {
  Attach().SetElFrmIniFile(File());
  Show();
  form->move(40, 50);
  form->resize(600, 300);
  Settle();
  Child("Label2")->hide();
  const QRect saved = form->frameGeometry();
  form->close();
  Settle();

  QSettings ini(File(), QSettings::IniFormat);
  ini.beginGroup("Form2");
  EXPECT_EQ(ini.value("Total Controls").toInt(), 10);
  EXPECT_EQ(ini.value("Window State").toInt(), 0);
  EXPECT_EQ(ini.value("wp length ").toInt(), 44);
  EXPECT_FALSE(ini.value("Visible 3").toBool());
  EXPECT_TRUE(ini.value("Visible 0").toBool());
  EXPECT_NEAR(ini.value("Left").toDouble(), 40.0 / 808, 1e-9);

  form = MakeForm();
  Attach().SetElFrmIniFile(File());
  Show();
  EXPECT_EQ(form->frameGeometry(), saved);
  EXPECT_TRUE(Child("Label2")->isHidden());
  EXPECT_FALSE(Child("QuestShw")->isHidden());
}

TEST_F(ElasticSettingsTest, AWindowSavedMaximizedOpensMaximized) {
  Attach().SetElFrmIniFile(File());
  Show();
  form->showMaximized();
  Settle();
  const int width = form->frameGeometry().width();
  form->close();
  Settle();

  QSettings ini(File(), QSettings::IniFormat);
  ini.beginGroup("Form2");
  EXPECT_EQ(ini.value("Window State").toInt(), 2);
  const int expected = -Round(width / 808.0 * 100);
  EXPECT_EQ(ini.value("MaxTrackWidth").toInt(), expected <= -100 ? 0 : expected);

  form = MakeForm();
  TElasticForm& elastic = Attach();
  elastic.SetElFrmIniFile(File());
  Show();
  EXPECT_TRUE(form->isMaximized());
  EXPECT_EQ(elastic.MaximumTrackWidth(), expected <= -100 ? 0 : expected);
}

TEST_F(ElasticSettingsTest, SettingsOfAFormWithOtherControlsAreIgnoredAsAWhole) {
  Attach().SetElFrmIniFile(File());
  Show();
  form->move(40, 50);
  form->resize(600, 300);
  Settle();
  Child("Label2")->hide();
  form->close();
  Settle();

  form = MakeForm();
  auto* extra = new QLabel("extra", form.get());
  extra->setObjectName("Extra");
  Attach().SetElFrmIniFile(File());
  Show();
  EXPECT_EQ(form->size(), QSize(803, 420));
  EXPECT_FALSE(Child("Label2")->isHidden());
}

}  // namespace
}  // namespace lintra::controls
