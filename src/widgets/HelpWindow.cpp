// The help window.
#include "widgets/HelpWindow.h"

#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace gw {

namespace {

constexpr int kTargetRole = Qt::UserRole;

QString ReadText(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

}  // namespace

HelpWindow::HelpWindow(const QString& root, QWidget* parent)
    : QWidget(parent, Qt::Window), root_(root) {
  setObjectName(QStringLiteral("HelpViewer"));
  BuildControls();
  RetranslateUi();
  Load();
  resize(980, 720);
}

void HelpWindow::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  const char* names[] = {"ContentsButton", "BackButton", "ForwardButton"};
  QPushButton* made[3];
  for (int i = 0; i < 3; ++i) {
    made[i] = buttons_[i] = new QPushButton(this);
    made[i]->setObjectName(QString::fromLatin1(names[i]));
    made[i]->setAutoDefault(false);
    bar->addWidget(made[i]);
  }
  bar->addStretch(1);
  layout->addLayout(bar);

  auto* split = new QSplitter(this);
  tabs_ = new QTabWidget(split);
  tabs_->setObjectName(QStringLiteral("HelpTabs"));

  contents_ = new QTreeWidget;
  contents_->setObjectName(QStringLiteral("ContentsTree"));
  contents_->setHeaderHidden(true);
  tabs_->addTab(contents_, QString());

  auto* indexPage = new QWidget;
  auto* indexLayout = new QVBoxLayout(indexPage);
  indexFilter_ = new QLineEdit(indexPage);
  indexFilter_->setObjectName(QStringLiteral("IndexFilter"));

  index_ = new QListWidget(indexPage);
  index_->setObjectName(QStringLiteral("IndexList"));
  indexLayout->addWidget(indexFilter_);
  indexLayout->addWidget(index_);
  tabs_->addTab(indexPage, QString());

  auto* searchPage = new QWidget;
  auto* searchLayout = new QVBoxLayout(searchPage);
  auto* searchRow = new QHBoxLayout;
  searchEdit_ = new QLineEdit(searchPage);
  searchEdit_->setObjectName(QStringLiteral("SearchEdit"));
  auto* find = searchButton_ = new QPushButton(searchPage);
  find->setObjectName(QStringLiteral("SearchButton"));
  find->setAutoDefault(false);
  searchRow->addWidget(searchEdit_);
  searchRow->addWidget(find);
  results_ = new QListWidget(searchPage);
  results_->setObjectName(QStringLiteral("SearchResults"));
  searchLayout->addLayout(searchRow);
  searchLayout->addWidget(results_);
  tabs_->addTab(searchPage, QString());

  page_ = new QTextBrowser(split);
  page_->setObjectName(QStringLiteral("HelpPage"));
  page_->setOpenExternalLinks(true);
  split->addWidget(tabs_);
  split->addWidget(page_);
  split->setStretchFactor(1, 3);
  split->setSizes({260, 720});
  layout->addWidget(split, 1);

  connect(made[0], &QPushButton::clicked, this, &HelpWindow::OpenContents);
  connect(made[1], &QPushButton::clicked, page_, &QTextBrowser::backward);
  connect(made[2], &QPushButton::clicked, page_, &QTextBrowser::forward);
  connect(page_, &QTextBrowser::backwardAvailable, made[1], &QPushButton::setEnabled);
  connect(page_, &QTextBrowser::forwardAvailable, made[2], &QPushButton::setEnabled);
  made[1]->setEnabled(false);
  made[2]->setEnabled(false);
  connect(contents_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { Open(item->data(0, kTargetRole).toString()); });
  connect(contents_, &QTreeWidget::itemClicked, this,
          [this](QTreeWidgetItem* item) { Open(item->data(0, kTargetRole).toString()); });
  connect(indexFilter_, &QLineEdit::textChanged, this, &HelpWindow::FilterIndex);
  // Enter takes the first keyword the filter leaves.
  connect(indexFilter_, &QLineEdit::returnPressed, this, [this] {
    for (int i = 0; i < index_->count(); ++i)
      if (!index_->item(i)->isHidden()) {
        index_->setCurrentRow(i);
        Open(index_->item(i)->data(kTargetRole).toString());
        return;
      }
  });
  connect(index_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { Open(item->data(kTargetRole).toString()); });
  connect(index_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { Open(item->data(kTargetRole).toString()); });
  connect(find, &QPushButton::clicked, this, [this] { Search(searchEdit_->text()); });
  connect(searchEdit_, &QLineEdit::returnPressed, this, [this] { Search(searchEdit_->text()); });
  connect(results_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    Open(item->data(kTargetRole).toString());
    page_->find(searchEdit_->text().split(QLatin1Char(' '), Qt::SkipEmptyParts).value(0));
  });
  connect(results_, &QListWidget::itemClicked, results_, &QListWidget::itemActivated);
}

// The pages themselves are in English; what frames them follows the windows' language.
void HelpWindow::RetranslateUi() {
  setWindowTitle(tr("Gridwright 98 Help"));
  buttons_[0]->setText(tr("&Contents"));
  buttons_[1]->setText(tr("&Back"));
  buttons_[2]->setText(tr("&Forward"));
  tabs_->setTabText(0, tr("Contents"));
  tabs_->setTabText(1, tr("Index"));
  tabs_->setTabText(2, tr("Search"));
  contents_->setAccessibleName(tr("Contents"));
  indexFilter_->setPlaceholderText(tr("Type a keyword"));
  indexFilter_->setAccessibleName(tr("Type a keyword"));
  index_->setAccessibleName(tr("Index"));
  searchEdit_->setAccessibleName(tr("Words to search for"));
  searchButton_->setText(tr("&Search"));
  results_->setAccessibleName(tr("Topics found"));
  page_->setAccessibleName(tr("Help page"));
}

void HelpWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) RetranslateUi();
  QWidget::changeEvent(event);
}

void HelpWindow::Load() {
  topics_ = ParseHelpContents(ReadText(root_ + QStringLiteral("/toc.txt")).toStdString());
  std::vector<QTreeWidgetItem*> parents;
  for (const HelpTopic& t : topics_) {
    auto* item = new QTreeWidgetItem(QStringList(QString::fromStdString(t.title)));
    item->setData(0, kTargetRole, QString::fromStdString(t.page));
    parents.resize(static_cast<size_t>(t.depth));
    if (parents.empty())
      contents_->addTopLevelItem(item);
    else
      parents.back()->addChild(item);
    parents.push_back(item);
    const QString page = QString::fromStdString(t.page);
    for (HelpKeyword& k :
         PageKeywords(t.page, ReadText(root_ + QLatin1Char('/') + page).toStdString()))
      keywords_.push_back(std::move(k));
  }
  contents_->expandAll();
  for (const HelpKeyword& k : keywords_) {
    auto* item = new QListWidgetItem(QString::fromStdString(k.keyword), index_);
    item->setData(kTargetRole, QString::fromStdString(k.target));
  }
  index_->sortItems();
  page_->setSearchPaths({root_});
}

void HelpWindow::Open(const QString& target) {
  if (target.isEmpty()) return;
  const QString base = root_.startsWith(QLatin1Char(':')) ? QStringLiteral("qrc") + root_ : root_;
  page_->setSource(QUrl(base + QLatin1Char('/') + target));
}

QString HelpWindow::Current() const {
  const QUrl url = page_->source();
  QString path = url.path();
  path = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
  return url.hasFragment() ? path + QLatin1Char('#') + url.fragment() : path;
}

void HelpWindow::OpenContents() {
  tabs_->setCurrentIndex(0);
  if (!topics_.empty()) Open(QString::fromStdString(topics_.front().page));
}

bool HelpWindow::OpenKeyword(const std::string& keyword) {
  if (const auto target = FindKeyword(keywords_, keyword)) {
    tabs_->setCurrentIndex(1);
    indexFilter_->setText(QString::fromStdString(keyword));
    Open(QString::fromStdString(*target));
    return true;
  }
  OpenContents();
  tabs_->setCurrentIndex(1);
  indexFilter_->setText(QString::fromStdString(keyword));
  return false;
}

void HelpWindow::FilterIndex(const QString& text) {
  for (int i = 0; i < index_->count(); ++i)
    index_->item(i)->setHidden(!index_->item(i)->text().startsWith(text, Qt::CaseInsensitive));
}

QString HelpWindow::PageText(const QString& page) const {
  QTextDocument doc;
  doc.setHtml(ReadText(root_ + QLatin1Char('/') + page));
  return doc.toPlainText();
}

void HelpWindow::Search(const QString& words) {
  tabs_->setCurrentIndex(2);
  searchEdit_->setText(words);
  results_->clear();
  const QStringList wanted =
      words.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  if (wanted.isEmpty()) return;
  for (const HelpTopic& t : topics_) {
    // A page is found by its keywords too ("user dictionary"), which its text need not use.
    QString text = PageText(QString::fromStdString(t.page));
    for (const HelpKeyword& k : keywords_)
      if (k.target == t.page || k.target.rfind(t.page + "#", 0) == 0)
        text += QLatin1Char('\n') + QString::fromStdString(k.keyword);
    bool all = true;
    for (const QString& w : wanted) all = all && text.contains(w, Qt::CaseInsensitive);
    if (!all) continue;
    auto* item = new QListWidgetItem(QString::fromStdString(t.title), results_);
    item->setData(kTargetRole, QString::fromStdString(t.page));
  }
  if (results_->count() == 0) new QListWidgetItem(tr("(no topic holds every word)"), results_);
}

}  // namespace gw
