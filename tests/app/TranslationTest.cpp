// The windows in the translated languages: complete catalogues, every text through them, unique
// accelerators, a whole German workflow and a language switch that takes effect at once.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTimer>
#include <QXmlStreamReader>
#include <filesystem>
#include <set>

#include "app/MainWindow.h"
#include "base/SettingsFile.h"
#include "base/TextCodec.h"
#include "editor/WordGrid.h"
#include "editor/WordListEditor.h"
#include "generator/CandidateWindow.h"
#include "support/AppFixture.h"
#include "support/Gallery.h"
#include "support/ModalScript.h"
#include "support/Seams.h"
#include "support/TempDir.h"
#include "support/Translations.h"
#include "widgets/FormLayout.h"
#include "widgets/HelpWindow.h"
#include "widgets/UiLanguage.h"

namespace gw {
namespace {

struct Entry {
  QString context, source, comment, translation, type;
};

std::vector<Entry> ReadCatalogue(const std::string& language) {
  QFile file(QStringLiteral(GW_TRANSLATIONS_DIR "/gridwright_%1.ts")
                 .arg(QString::fromStdString(language)));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
  std::vector<Entry> entries;
  QXmlStreamReader xml(&file);
  QString context;
  Entry e;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    const auto name = xml.name();
    if (name == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (name == QLatin1String("message")) {
      e = Entry{context, {}, {}, {}, {}};
    } else if (name == QLatin1String("source")) {
      e.source = xml.readElementText();
    } else if (name == QLatin1String("comment")) {
      e.comment = xml.readElementText();
    } else if (name == QLatin1String("translation")) {
      e.type = xml.attributes().value(QLatin1String("type")).toString();
      e.translation = xml.readElementText();
      entries.push_back(e);
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return entries;
}

std::multiset<QString> Placeholders(const QString& text) {
  std::multiset<QString> found;
  static const QRegularExpression mark(QStringLiteral("%[1-9]"));
  for (auto m = mark.globalMatch(text); m.hasNext();) found.insert(m.next().captured());
  return found;
}

// Marks before a letter or digit: "&&" is an ampersand, and so is "&" before a space in a title.
int Accelerators(const QString& text) {
  QString t = text;
  t.remove(QStringLiteral("&&"));
  int count = 0;
  for (qsizetype i = 0; i + 1 < t.size(); ++i)
    if (t[i] == QLatin1Char('&') && t[i + 1].isLetterOrNumber()) ++count;
  return count;
}

TEST(Catalogues, EveryTextIsTranslatedWithItsPlaceholdersAndOneAccelerator) {
  for (const std::string& language : test::TranslatedLanguages()) {
    const std::vector<Entry> entries = ReadCatalogue(language);
    ASSERT_GT(entries.size(), 500u) << language;
    // The compiled catalogue the program carries says the same as the file.
    QTranslator compiled;
    ASSERT_TRUE(
        compiled.load(QStringLiteral(":/i18n/gridwright_") + QString::fromStdString(language)))
        << language;
    for (const Entry& e : entries) {
      const std::string where =
          language + " " + e.context.toStdString() + " \"" + e.source.toStdString() + "\"";
      EXPECT_TRUE(e.type.isEmpty()) << where << " is " << e.type.toStdString();
      EXPECT_FALSE(e.translation.isEmpty()) << where;
      EXPECT_EQ(Placeholders(e.translation), Placeholders(e.source)) << where;
      EXPECT_EQ(Accelerators(e.translation), Accelerators(e.source)) << where;
      EXPECT_EQ(compiled.translate(e.context.toUtf8().constData(), e.source.toUtf8().constData(),
                                   e.comment.isEmpty() ? nullptr : e.comment.toUtf8().constData()),
                e.translation)
          << where;
    }
  }
}

// Every window once in every translated language, and once with every text marked.
class WindowTexts : public testing::TestWithParam<size_t> {
 protected:
  void TearDown() override { ApplyUiLanguage(QStringLiteral("en")); }
};

TEST_P(WindowTexts, ComeFromTheCatalogueWithOneAcceleratorEach) {
  const test::GalleryWindow entry = test::AllWindows()[GetParam()];
  test::ScriptedSeams seams;
  test::GalleryContext context(GW_BIN_DIR, GW_WORD_LIST);
  test::SetScale(1.0);
  for (const std::string& language : test::TranslatedLanguages()) {
    ASSERT_TRUE(ApplyUiLanguage(QString::fromStdString(language)));
    std::unique_ptr<QWidget> window = entry.make(context);
    test::ShowAndSettle(window.get());
    std::string report;
    for (const std::string& p : test::AcceleratorClashes(window.get())) report += "\n  " + p;
    EXPECT_TRUE(report.empty()) << entry.name << " in " << language << ":" << report;
    window->close();
  }
  ApplyUiLanguage(QStringLiteral("en"));
  test::MarkingTranslator marking;
  QCoreApplication::installTranslator(&marking);
  std::unique_ptr<QWidget> window = entry.make(context);
  test::ShowAndSettle(window.get());
  std::string report;
  for (const std::string& p : test::UntranslatedTexts(window.get())) report += "\n  " + p;
  EXPECT_TRUE(report.empty()) << entry.name << " shows texts no catalogue can translate:" << report;
  window->close();
  window.reset();
  QCoreApplication::removeTranslator(&marking);
}

INSTANTIATE_TEST_SUITE_P(AllWindows, WindowTexts,
                         testing::Range<size_t>(0, test::AllWindows().size()),
                         [](const testing::TestParamInfo<size_t>& info) {
                           std::string name = test::AllWindows()[info.param].name;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

class GermanTeacher : public testing::Test {
 protected:
  void SetUp() override {
    paths_ = AppPaths{dir_.Path(), dir_.Path()};
    test::ResetProgramWide(paths_);
    for (const char* file : {"QLFLAY.DAT", "QLFPAGE.DAT"})
      std::filesystem::copy_file(std::string(GW_BIN_DIR) + "/" + file, dir_.File(file));
  }
  void TearDown() override { ApplyUiLanguage(QStringLiteral("en")); }

  static QStringList MenuTitles(MainWindow& win) {
    QStringList titles;
    for (QAction* a : win.menuBar()->actions()) titles << a->text().remove(QLatin1Char('&'));
    return titles;
  }

  test::TempDir dir_;
  AppPaths paths_;
  test::ScriptedSeams seams_;
};

TEST_F(GermanTeacher, SwitchesTheWindowsMakesAPuzzleAndFindsGermanAtTheNextStart) {
  {
    MainWindow win(paths_);
    win.show();
    EXPECT_EQ(MenuTitles(win).front().toStdString(), "File");
    win.LanguageClick(QStringLiteral("de"));
    // At once, without a restart: the open window speaks German.
    EXPECT_EQ(MenuTitles(win), (QStringList{"Datei", "Bearbeiten", "Optionen", "Hilfe"}));
    EXPECT_TRUE(win.findChild<QAction*>("Language_de")->isChecked());
    EXPECT_EQ(win.findChild<QLabel*>("CategoryLabel")->text().toStdString(), "Kategorie");

    test::ModalScript script({
        [&] {  // the editor: a title is missing first, then the words go in and Create runs
          auto* editor = test::ModalScript::Visible<WordListEditor>();
          if (!editor) return false;
          EXPECT_EQ(editor->windowTitle().toStdString(), "Neues Rätsel erstellen");
          editor->CreateItClick();
          EXPECT_EQ(ToQString(seams_.Single()).toStdString(),
                    "Kein Titel angegeben.  Bitte korrigieren.");
          editor->findChild<QLineEdit*>("Title")->setText(QStringLiteral("Im Zoo"));
          editor->findChild<QComboBox*>("Category")->setCurrentText(QStringLiteral("Tiere"));
          int row = 1;
          for (const char* word : {"LÖWE", "TIGER", "ZEBRA", "AFFE", "BÄR"})
            editor->Grid()->SetCell(WordGrid::kWord, row++, QString::fromUtf8(word));
          editor->findChild<QLineEdit*>("Attempts")->setText(QStringLiteral("1"));
          QTimer::singleShot(0, editor, &WordListEditor::CreateItClick);
          return true;
        },
        [&] {  // the four candidates in German; the best is saved
          auto* window = test::ModalScript::Visible<CandidateWindow>();
          if (!window) return false;
          EXPECT_EQ(window->findChild<QLabel*>("CandidateLabel1")->text().toStdString(),
                    "Beste Lösung");
          window->SaveClick();
          return true;
        },
    });
    win.NewPuzzleClick();
    ASSERT_TRUE(script.Finished());
    ASSERT_EQ(win.PuzzleBox()->count(), 1);
    EXPECT_EQ(win.PuzzleBox()->item(0)->text().toStdString(), "Im Zoo");
    win.close();
  }
  // The choice is in the settings file, in its own section, and wins over the system's language.
  SettingsValues stored = SettingsValues::Defaults(paths_);
  LoadSettings(SettingsFilePath(paths_), stored);
  EXPECT_EQ(stored.uiLanguage, "de");
  EXPECT_EQ(EffectiveUiLanguage(stored.uiLanguage).toStdString(), "de");
  EXPECT_NE(test::ReadText(SettingsFilePath(paths_)).find("[Interface]\r\nLanguage=de\r\n"),
            std::string::npos);
}

TEST_F(GermanTeacher, AnOpenHelpWindowFollowsTheSwitchAndEnglishComesBack) {
  MainWindow win(paths_);
  HelpWindow help(QStringLiteral("/no-help-here"));
  win.LanguageClick(QStringLiteral("fr"));
  EXPECT_EQ(MenuTitles(win).front().toStdString(), "Fichier");
  EXPECT_EQ(help.windowTitle().toStdString(), "Aide de Gridwright 98");
  win.LanguageClick(QStringLiteral("en"));
  EXPECT_EQ(MenuTitles(win), (QStringList{"File", "Edit", "Options", "Help"}));
  EXPECT_EQ(help.windowTitle().toStdString(), "Gridwright 98 Help");
  EXPECT_EQ(AppSettings().uiLanguage, "en");
}

}  // namespace
}  // namespace gw
