// The help file: topics with a title, help context numbers, index keywords
// and text, in a plain text format of our own, read by the help viewer.
//
// Format (UTF-8 text, a byte-order mark is allowed; lines end with LF or
// CR LF):
//
//   Lines before the first "@topic" line are a free header and ignored.
//   @topic Title          starts a topic. The title is the rest of the line
//                         without surrounding blanks; it must not be empty
//                         and is unique in the file.
//   Right after "@topic", before the topic's first text line:
//   @contents             marks the contents topic (at most one; without
//                         it the first topic is the contents).
//   @context 104          a help context number, 1 to 2147483647, unique in
//                         the file; a topic may have several.
//   @keyword Befehl, LDA  an index keyword (the rest of the line, trimmed);
//                         a topic may have several, several topics may share
//                         one. Keywords are found without regard to case.
//   @rem anything         a comment, allowed everywhere, ignored.
//   Every other line up to the next "@topic" is topic text:
//   - blank lines separate paragraphs; the lines of a paragraph are joined
//     with a blank;
//   - a line that begins with "- " starts a list item; the lines right
//     after it that begin with two blanks continue the item;
//   - any other line that begins with two blanks is a code line, shown as
//     written in a fixed-pitch font;
//   - [[Title]] is a link to the topic of that title, [[Title|text]] shows
//     text for it;
//   - [[Datei:Name.pdf|text]] is a link to a document, a file name without
//     folders, which the viewer opens with the desktop's viewer for it;
//   - a line beginning with "@@" stands for the same line beginning with
//     "@"; any other line beginning with "@" is an error.
//
// Errors (with their line numbers) are collected; the topics read around
// them stay usable.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace paxamon {

struct HelpTopic {
  QString title;
  std::vector<int> contexts;
  QStringList keywords;
  QStringList lines;  // the text as written, without blank lines around it
  int line = 0;       // the line of "@topic", counted from 1
};

struct HelpFileError {
  int line = 0;
  QString message;
};

class HelpFile {
 public:
  static HelpFile parse(const QByteArray& utf8);
  static HelpFile parse(const QString& text);
  // The file read and parsed; nothing when it cannot be read.
  static std::optional<HelpFile> load(const QString& path);

  const std::vector<HelpTopic>& topics() const { return topics_; }
  const std::vector<HelpFileError>& errors() const { return errors_; }

  // Topic indices; -1 when there is none.
  int contentsTopic() const;
  int findContext(int context) const;
  int findTitle(const QString& title) const;
  std::vector<int> findKeyword(const QString& keyword) const;

  // Every keyword once, sorted without regard to case.
  QStringList keywords() const;

  // A topic's text as HTML: its title as a heading (unless left out),
  // paragraphs, code blocks, and links written as <a href="topic:N"> or,
  // to a document, <a href="document:Name">.
  QString topicHtml(int index, bool withTitle = true) const;

  // The document a link's target names ("Datei:Name"); empty for a topic.
  static QString documentOf(const QString& target);

 private:
  void check();

  std::vector<HelpTopic> topics_;
  std::vector<HelpFileError> errors_;
  int contents_ = -1;
};

}  // namespace paxamon
