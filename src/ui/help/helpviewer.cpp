#include "ui/help/helpviewer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "ui/platform/colors.h"
#include "ui/platform/fonts.h"
#include "ui/platform/placement.h"

namespace paxamon {

namespace {

// The topic a "topic:N" link names, or -1.
int linkTarget(const QUrl& url) {
  if (url.scheme() != QStringLiteral("topic")) return -1;
  bool ok = false;
  const int index = url.path().toInt(&ok);
  return ok ? index : -1;
}

// Opens the document of a "document:Name" link; false for any other link.
bool openLinkedDocument(const QUrl& url) {
  if (url.scheme() != QStringLiteral("document")) return false;
  HelpViewer::instance().openDocument(url.path(QUrl::FullyDecoded));
  return true;
}

QString codeStyle() {
  return QStringLiteral("pre { font-family: '%1'; }")
      .arg(makeFont(QStringLiteral("Courier New"), 13).family());
}

// The small window of a context pop-up: the topic on the tool-tip colours,
// closed by any key or click; a link in it opens the help window.
class HelpPopup : public QFrame {
 public:
  HelpPopup(const QString& html, std::function<void(int)> follow)
      : QFrame(nullptr, Qt::Popup | Qt::FramelessWindowHint), follow_(std::move(follow)) {
    setObjectName(QStringLiteral("helpPopup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette colors = palette();
    colors.setColor(QPalette::Window, toQColor(clInfoBk));
    colors.setColor(QPalette::WindowText, toQColor(clInfoText));
    setPalette(colors);
    setAutoFillBackground(true);

    QTextDocument measure;
    measure.setDefaultFont(font());
    measure.setDefaultStyleSheet(codeStyle());
    measure.setHtml(html);
    // Text wraps at 360 pixels; code lines, which do not wrap, may widen
    // the pop-up up to 640.
    measure.setTextWidth(360);
    const int width = std::min(640, static_cast<int>(measure.idealWidth()) + 4);

    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("text"));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setText(QStringLiteral("<style>%1</style>").arg(codeStyle()) + html);
    text->setFixedWidth(width);
    // The label's own height for its width can come out a line short for
    // long topics; the measured document, which wraps a little narrower
    // inside its margin, is never shorter than the text.
    measure.setTextWidth(width);
    text->setMinimumHeight(static_cast<int>(std::ceil(measure.size().height())));
    text->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    connect(text, &QLabel::linkActivated, this, [this](const QString& link) {
      const QUrl url(link);
      const int target = linkTarget(url);
      const auto follow = follow_;
      close();
      if (openLinkedDocument(url)) return;
      if (target >= 0 && follow) follow(target);
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(text);
  }

  // Shows the pop-up with its top left corner at position, inside the screen.
  void showAt(QPoint position) {
    adjustSize();
    const QScreen* screen = QGuiApplication::screenAt(position);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (screen) {
      const QRect area = screen->availableGeometry();
      position.setX(
          std::clamp(position.x(), area.left(), std::max(area.left(), area.right() - width())));
      position.setY(
          std::clamp(position.y(), area.top(), std::max(area.top(), area.bottom() - height())));
    }
    move(position);
    show();
  }

 protected:
  void keyPressEvent(QKeyEvent*) override { close(); }
  void mousePressEvent(QMouseEvent*) override { close(); }

 private:
  std::function<void(int)> follow_;
};

}  // namespace

// The help window: contents and index on the left, the topic on the right
// (above and below in a narrow window).
class HelpWindow : public QWidget {
 public:
  explicit HelpWindow(const QString& caption) : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(680, 480);

    tabs_ = new QTabWidget;
    topics_ = new QListWidget;
    topics_->setObjectName(QStringLiteral("topics"));
    tabs_->addTab(topics_, QStringLiteral("&Inhalt"));
    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    auto* searchLabel = new QLabel(QStringLiteral("&Suchbegriff:"));
    search_ = new QLineEdit;
    search_->setObjectName(QStringLiteral("search"));
    searchLabel->setBuddy(search_);
    index_ = new QListWidget;
    index_->setObjectName(QStringLiteral("index"));
    auto* show = new QPushButton(QStringLiteral("&Anzeigen"));
    indexLayout->addWidget(searchLabel);
    indexLayout->addWidget(search_);
    indexLayout->addWidget(index_);
    indexLayout->addWidget(show);
    tabs_->addTab(indexPage, QStringLiteral("In&dex"));

    text_ = new QTextBrowser;
    text_->setObjectName(QStringLiteral("text"));
    text_->setOpenLinks(false);
    text_->document()->setDefaultStyleSheet(codeStyle());
    back_ = new QPushButton(QStringLiteral("&Zurück"));
    back_->setEnabled(false);
    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QHBoxLayout;
    bar->addWidget(back_);
    bar->addStretch();
    rightLayout->addLayout(bar);
    rightLayout->addWidget(text_);

    splitter_ = new QSplitter;
    auto* splitter = splitter_;
    splitter->addWidget(tabs_);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 460});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    connect(topics_, &QListWidget::currentRowChanged, this, [this](int row) {
      if (!filling_ && row >= 0) showTopic(row);
    });
    connect(search_, &QLineEdit::textEdited, this, &HelpWindow::seek);
    connect(search_, &QLineEdit::returnPressed, this, &HelpWindow::showIndexEntry);
    connect(index_, &QListWidget::itemActivated, this, &HelpWindow::showIndexEntry);
    connect(show, &QPushButton::clicked, this, &HelpWindow::showIndexEntry);
    connect(text_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
      if (openLinkedDocument(url)) return;
      if (const int target = linkTarget(url); target >= 0) showTopic(target);
    });
    connect(back_, &QPushButton::clicked, this, [this] {
      if (history_.empty()) return;
      const int previous = history_.back();
      history_.pop_back();
      showTopic(previous, false);
    });
  }

  void setFile(std::shared_ptr<const HelpFile> file) {
    if (file == file_) return;
    file_ = std::move(file);
    filling_ = true;
    topics_->clear();
    for (const HelpTopic& topic : file_->topics())
      topics_->addItem(topic.title);
    index_->clear();
    index_->addItems(file_->keywords());
    filling_ = false;
    history_.clear();
    back_->setEnabled(false);
    current_ = -1;
  }

  void showTopic(int index, bool remember = true) {
    if (!file_ || index < 0 || index >= static_cast<int>(file_->topics().size())) return;
    if (remember && current_ >= 0 && current_ != index) history_.push_back(current_);
    back_->setEnabled(!history_.empty());
    current_ = index;
    text_->setHtml(file_->topicHtml(index));
    filling_ = true;
    topics_->setCurrentRow(index);
    filling_ = false;
  }

  void showContentsTab() { tabs_->setCurrentIndex(0); }

  // The index with keyword typed into the search field and the nearest
  // entry selected, ready for Enter.
  void showIndexTab(const QString& keyword) {
    tabs_->setCurrentIndex(1);
    search_->setText(keyword);
    seek(keyword);
    search_->setFocus();
  }

  int current() const { return current_; }

  // A narrow window stacks the lists above the text.
  void setNarrow(bool narrow) {
    splitter_->setOrientation(narrow ? Qt::Vertical : Qt::Horizontal);
    splitter_->setSizes(narrow ? QList<int>{280, 440} : QList<int>{220, 460});
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
      close();
      return;
    }
    QWidget::keyPressEvent(event);
  }

 private:
  // Selects the nearest keyword: the first that sorts at or after the
  // search text (the keywords are sorted without regard to case), else the
  // last.
  void seek(const QString& text) {
    if (index_->count() == 0) return;
    const QString wanted = text.trimmed();
    int row = 0;
    while (row < index_->count() - 1 &&
           QString::compare(index_->item(row)->text(), wanted, Qt::CaseInsensitive) < 0) {
      ++row;
    }
    index_->setCurrentRow(row);
    index_->scrollToItem(index_->item(row), QAbstractItemView::PositionAtTop);
  }

  void showIndexEntry() {
    if (!file_ || !index_->currentItem()) return;
    const std::vector<int> found = file_->findKeyword(index_->currentItem()->text());
    if (!found.empty()) showTopic(found.front());
  }

  std::shared_ptr<const HelpFile> file_;
  QSplitter* splitter_;
  QTabWidget* tabs_;
  QListWidget* topics_;
  QLineEdit* search_;
  QListWidget* index_;
  QTextBrowser* text_;
  QPushButton* back_;
  std::vector<int> history_;
  int current_ = -1;
  bool filling_ = false;
};

void HelpViewer::placeBeside(HelpWindow* window, const QWidget* asking) {
  constexpr QSize kPreferred(680, 480);
  constexpr int kNarrowWidth = 560;  // below this the lists go above the text
  constexpr int kMinimumWidth = 320;
  constexpr int kNarrowHeight = 720;
  const QScreen* screen = asking ? asking->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  if (!asking) {
    window->setNarrow(false);
    window->resize(kPreferred);
    centreOnScreen(window, screen);
    return;
  }
  // Beside the asking window and the tool windows it shows (the instruction
  // overview docked at it), on the side with more room, as wide as that
  // room allows. Where neither side of them all has room, beside the asking
  // window alone; where that has none either, at the screen's edge.
  const QMargins frame = frameMargins(window, asking);
  QRect own = outerFrame(asking);
  QRect all = own;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top != window && top->isVisible() && top->windowType() == Qt::Tool &&
        top->parentWidget() == asking) {
      all |= outerFrame(top);
    }
  }
  const auto roomBeside = [&](const QRect& beside) {
    return std::max(area.right() - beside.right(), beside.left() - area.left()) - frame.left() -
           frame.right();
  };
  const QRect beside = roomBeside(all) >= kMinimumWidth ? all : own;
  const int roomRight = area.right() - beside.right();
  const int roomLeft = beside.left() - area.left();
  const bool right = roomRight >= roomLeft;
  const int room = roomBeside(beside);
  const int width = room >= kMinimumWidth ? std::min(kPreferred.width(), room) : kPreferred.width();
  const bool narrow = width < kNarrowWidth;
  // The whole window, frame included, stays inside the available area.
  const int height = std::min(narrow ? kNarrowHeight : kPreferred.height(),
                              area.height() - frame.top() - frame.bottom());
  window->setNarrow(narrow);
  window->resize(width, height);
  const QSize outer = window->size().grownBy(frame);
  int x = right ? beside.right() + 1 : beside.left() - outer.width();
  x = std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - outer.width()));
  const int y = std::clamp(beside.top(), area.top(),
                           std::max(area.top(), area.bottom() + 1 - outer.height()));
  placeFrame(window, QPoint(x, y), frame);
}

HelpViewer& HelpViewer::instance() {
  static HelpViewer viewer;
  return viewer;
}

void HelpViewer::setHelpFile(const QString& name) {
  QString cleaned = name;
  cleaned.replace(u'\\', u'/');
  if (cleaned.startsWith(QStringLiteral("./"))) cleaned.remove(0, 2);
  name_ = cleaned;
}

QString installedDataFolder(const QString& programFolder) {
  return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(PAXAMON_INSTALLED_DATA)));
}

QString installedDocumentFolder(const QString& programFolder) {
  return QDir::cleanPath(QDir(programFolder).filePath(QStringLiteral(PAXAMON_INSTALLED_DOC)));
}

QString locateProgramFile(const QString& name, const QString& installedFolder,
                          const QString& workingFolder, const QString& programFolder) {
  if (name.isEmpty()) return {};
  if (QDir::isAbsolutePath(name)) return QFileInfo::exists(name) ? name : QString();
  // An installed program shows the files of its own version, whatever lies
  // in the pupil's folder; a build tree has no such folder, so there the
  // working folder comes first.
  for (const QString& folder : {installedFolder, workingFolder, programFolder}) {
    const QString path = QDir(folder).filePath(name);
    if (QFileInfo(path).isFile()) return path;
  }
  return {};
}

QString locateHelpFile(const QString& name, const QString& workingFolder,
                       const QString& programFolder) {
  return locateProgramFile(name, installedDataFolder(programFolder), workingFolder, programFolder);
}

QString HelpViewer::resolvedPath() const {
  return locateHelpFile(name_, QDir::currentPath(), QCoreApplication::applicationDirPath());
}

std::shared_ptr<const HelpFile> HelpViewer::file() {
  const QString path = resolvedPath();
  if (path.isEmpty()) {
    tell(QStringLiteral("Die Hilfedatei %1 wurde nicht gefunden, weder in %2 noch im "
                        "Arbeitsverzeichnis noch im Programmverzeichnis.")
             .arg(QFileInfo(name_).fileName(),
                  installedDataFolder(QCoreApplication::applicationDirPath())));
    return nullptr;
  }
  const QFileInfo info(path);
  const std::pair<qint64, qint64> stamp{info.lastModified().toMSecsSinceEpoch(), info.size()};
  if (!file_ || path != loadedPath_ || stamp != loadedStamp_) {
    std::optional<HelpFile> loaded = HelpFile::load(path);
    if (!loaded) {
      tell(QStringLiteral("Die Hilfedatei %1 lässt sich nicht lesen.").arg(path));
      return nullptr;
    }
    file_ = std::make_shared<const HelpFile>(std::move(*loaded));
    loadedPath_ = path;
    loadedStamp_ = stamp;
  }
  return file_;
}

QString HelpViewer::caption() const {
  return QStringLiteral("%1-Hilfe").arg(QFileInfo(name_).completeBaseName());
}

void HelpViewer::tell(const QString& text) {
  if (box_) box_->close();
  auto* box = new QMessageBox(QMessageBox::Information, caption(), text, QMessageBox::Ok);
  box->setObjectName(QStringLiteral("helpViewerMessage"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setAttribute(Qt::WA_QuitOnClose, false);
  box->setWindowModality(Qt::NonModal);
  box->show();
  box_ = box;
}

HelpWindow* HelpViewer::openWindow(std::shared_ptr<const HelpFile> file) {
  // The window that asked: the help opens beside it.
  QWidget* asking = QApplication::activeWindow();
  if (asking == window_ || asking == popup_ || asking == box_) asking = nullptr;
  if (!window_) window_ = new HelpWindow(caption());
  window_->setFile(std::move(file));
  if (!window_->isVisible()) placeBeside(window_, asking);
  window_->show();
  window_->raise();
  window_->activateWindow();
  return window_;
}

void HelpViewer::showContents() {
  if (helpRequestHook()) return helpRequestHook().function({HelpCommand::Contents, 0, {}, {}});
  const auto help = file();
  if (!help) return;
  HelpWindow* window = openWindow(help);
  window->showContentsTab();
  window->showTopic(help->contentsTopic());
}

void HelpViewer::showContext(int context, QPoint position) {
  if (helpRequestHook()) {
    return helpRequestHook().function({HelpCommand::ContextPopup, context, {}, position});
  }
  // Topic 0, asked for by a menu item without a number, is the contents.
  if (context == 0) return showContents();
  const auto help = file();
  if (!help) return;
  const int topic = help->findContext(context);
  if (topic < 0) {
    tell(QStringLiteral("Die Hilfedatei enthält kein Thema zur Kontextnummer %1.").arg(context));
    return;
  }
  if (popup_) popup_->close();
  const QString html =
      QStringLiteral("<b>%1</b>").arg(help->topics()[topic].title.toHtmlEscaped()) +
      help->topicHtml(topic, false);
  auto* popup = new HelpPopup(html, [this, help](int target) {
    HelpWindow* window = openWindow(help);
    window->showTopic(target);
  });
  popup_ = popup;
  popup->showAt(position.isNull() ? QCursor::pos() : position);
}

void HelpViewer::showKeyword(const QString& keyword) {
  if (helpRequestHook()) return helpRequestHook().function({HelpCommand::Keyword, 0, keyword, {}});
  const auto help = file();
  if (!help) return;
  const std::vector<int> found = help->findKeyword(keyword);
  HelpWindow* window = openWindow(help);
  if (window->current() < 0) window->showTopic(help->contentsTopic());
  if (!found.empty()) window->showTopic(found.front());
  // A keyword without a topic leaves the index open at the nearest entry.
  window->showIndexTab(keyword);
}

void HelpViewer::openDocument(const QString& name) {
  const QString programFolder = QCoreApplication::applicationDirPath();
  const QString folder = installedDocumentFolder(programFolder);
  const QString path = locateProgramFile(name, folder, QDir::currentPath(), programFolder);
  if (path.isEmpty()) {
    tell(QStringLiteral("Das Dokument %1 wurde nicht gefunden, weder in %2 noch im "
                        "Arbeitsverzeichnis noch im Programmverzeichnis.")
             .arg(name, folder));
    return;
  }
  // xdg-open picks the desktop's viewer for the file's type. It may wait
  // until that viewer is closed, so it runs on its own and says at its end
  // whether it found one; a program that outlives Paxamon is left running.
  auto* opener = new QProcess;
  opener->setProgram(QStringLiteral("xdg-open"));
  opener->setArguments({QFileInfo(path).absoluteFilePath()});
  opener->setProcessChannelMode(QProcess::ForwardedChannels);
  opener->setStandardInputFile(QProcess::nullDevice());
  const auto failed = [this, path] {
    tell(QStringLiteral("Das Dokument %1 lässt sich nicht anzeigen: Auf diesem Rechner fehlt ein "
                        "Programm, das PDF-Dateien zeigt, oder xdg-open (aus dem Paket xdg-utils).")
             .arg(path));
  };
  QObject::connect(opener, &QProcess::finished, opener,
                   [opener, failed](int code, QProcess::ExitStatus status) {
                     if (status != QProcess::NormalExit || code != 0) failed();
                     opener->deleteLater();
                   });
  QObject::connect(opener, &QProcess::errorOccurred, opener,
                   [opener, failed](QProcess::ProcessError error) {
                     if (error != QProcess::FailedToStart) return;
                     failed();
                     opener->deleteLater();
                   });
  opener->start();
}

void HelpViewer::closeAll() {
  for (QWidget* widget : {static_cast<QWidget*>(window_.data()), popup_.data(), box_.data()}) {
    if (widget) widget->close();
  }
}

QWidget* HelpViewer::helpWindow() const {
  return window_;
}
QWidget* HelpViewer::popup() const {
  return popup_;
}
QWidget* HelpViewer::messageBox() const {
  return box_;
}
int HelpViewer::currentTopic() const {
  return window_ ? window_->current() : -1;
}

TestHook<void(const HelpRequest&)>& helpRequestHook() {
  static TestHook<void(const HelpRequest&)> hook;
  return hook;
}

HelpRequestRecorder::HelpRequestRecorder()
    : hook_(helpRequestHook(),
            [this](const HelpRequest& request) { requests_.push_back(request); }) {}

}  // namespace paxamon
