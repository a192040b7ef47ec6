// The help viewer: our stand-in for the platform's help program. It serves
// three requests on the application's help file:
//   showContents  - the help window at the contents topic (help finder),
//   showContext   - a small pop-up with the topic of a help context number;
//                   number 0 (a menu item without one) shows the contents,
//   showKeyword   - the help window at the topic of an index keyword; a
//                   keyword without a topic opens the index with the keyword
//                   typed in and the nearest entry selected, as the classic
//                   help viewer did.
// The help window is not modal: a topic list, a keyword index with a search
// field, and the topic text. It opens beside the window that asked, where
// the screen has room, and closes with Escape. The help file (see helpfile.h) is named
// "Paxamon.hlp" unless set otherwise and looked up at every request (see
// locateHelpFile). When there is no file, or no topic for a context number, the
// viewer says so in a small box of its own (not modal, as the separate
// help program's box would be).
//
// A link to a document opens it with the desktop's viewer for its type
// (through xdg-open); the document is looked up like the help file, but
// installed in ../share/doc/paxamon. When it is nowhere, or nothing can show
// it, the viewer says so in its box.
//
// Tests set helpRequestHook() (or use a HelpRequestRecorder): requests then
// go to the hook only and no window opens.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "ui/help/helpfile.h"
#include "ui/platform/testhook.h"

class QWidget;

namespace paxamon {

enum class HelpCommand { Contents, ContextPopup, Keyword };

struct HelpRequest {
  HelpCommand command = HelpCommand::Contents;
  int context = 0;  // ContextPopup
  QString keyword;  // Keyword
  QPoint position;  // ContextPopup: where the pop-up goes, in screen pixels
};

TestHook<void(const HelpRequest&)>& helpRequestHook();

// The folder of an installed program's data (its help, the examples):
// ../share/paxamon from the program's folder, cleaned.
QString installedDataFolder(const QString& programFolder);
// Where an installed program's documents (the reference card) lie:
// ../share/doc/paxamon from the program's folder, cleaned.
QString installedDocumentFolder(const QString& programFolder);

// Where the file NAME of the program is found; empty when it is nowhere. An
// absolute name stands as it is. A relative one is looked up in
// INSTALLEDFOLDER, then in WORKINGFOLDER, then in PROGRAMFOLDER (where a
// build tree has its copy).
QString locateProgramFile(const QString& name, const QString& installedFolder,
                          const QString& workingFolder, const QString& programFolder);

// Where the help file NAME is found: locateProgramFile in the installed
// data folder first.
QString locateHelpFile(const QString& name, const QString& workingFolder,
                       const QString& programFolder);

class HelpWindow;

class HelpViewer {
 public:
  static HelpViewer& instance();

  // The help file name; backslashes count as slashes and a leading "./" is
  // dropped, so the platform form ".\Paxamon.hlp" works too.
  void setHelpFile(const QString& name);
  QString helpFile() const { return name_; }
  // Where the file is found now; empty when it is nowhere.
  QString resolvedPath() const;

  void showContents();
  // A null position puts the pop-up at the mouse pointer.
  void showContext(int context, QPoint position = {});
  void showKeyword(const QString& keyword);

  // Opens a document of the program (a help link "Datei:Name").
  void openDocument(const QString& name);

  // Closes the help window, the pop-up and the viewer's boxes.
  void closeAll();

  // The viewer's windows, while they are open (for tests).
  QWidget* helpWindow() const;
  QWidget* popup() const;
  QWidget* messageBox() const;
  // The topic the help window shows, or -1.
  int currentTopic() const;

 private:
  HelpViewer() = default;
  // The file, read anew when it changed; null (after saying so) when missing.
  std::shared_ptr<const HelpFile> file();
  void tell(const QString& text);
  HelpWindow* openWindow(std::shared_ptr<const HelpFile> file);
  static void placeBeside(HelpWindow* window, const QWidget* asking);
  QString caption() const;

  QString name_ = QStringLiteral("Paxamon.hlp");
  QString loadedPath_;
  std::pair<qint64, qint64> loadedStamp_{-1, -1};  // time and size
  std::shared_ptr<const HelpFile> file_;
  QPointer<HelpWindow> window_;
  QPointer<QWidget> popup_;
  QPointer<QWidget> box_;
};

// Records every request while it lives, instead of showing anything.
class HelpRequestRecorder {
 public:
  HelpRequestRecorder();
  HelpRequestRecorder(const HelpRequestRecorder&) = delete;
  HelpRequestRecorder& operator=(const HelpRequestRecorder&) = delete;

  const std::vector<HelpRequest>& requests() const { return requests_; }
  void clear() { requests_.clear(); }

 private:
  std::vector<HelpRequest> requests_;
  ScopedHook<void(const HelpRequest&)> hook_;
};

}  // namespace paxamon
