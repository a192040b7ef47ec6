#include "ui/help/helpfile.h"

#include <QFile>
#include <QStringDecoder>
#include <QUrl>
#include <algorithm>
#include <map>

namespace paxamon {

namespace {

// Calls link(title, text) for every [[Title]] or [[Title|text]] in text
// and plain(part) for the text between them.
template <typename Plain, typename Link>
void scanLinks(const QString& text, Plain plain, Link link) {
  qsizetype at = 0;
  while (at < text.size()) {
    const qsizetype open = text.indexOf(QStringLiteral("[["), at);
    const qsizetype close = open < 0 ? -1 : text.indexOf(QStringLiteral("]]"), open + 2);
    if (close < 0) break;
    plain(text.mid(at, open - at));
    const QString inside = text.mid(open + 2, close - open - 2);
    const qsizetype bar = inside.indexOf(u'|');
    const QString title = (bar < 0 ? inside : inside.left(bar)).trimmed();
    link(title, bar < 0 ? title : inside.mid(bar + 1).trimmed());
    at = close + 2;
  }
  plain(text.mid(at));
}

const QString kDocumentPrefix = QStringLiteral("Datei:");

void trimBlankLines(QStringList& lines) {
  while (!lines.isEmpty() && lines.back().trimmed().isEmpty())
    lines.removeLast();
}

}  // namespace

HelpFile HelpFile::parse(const QByteArray& utf8) {
  QStringDecoder decoder(QStringDecoder::Utf8);  // drops a byte-order mark
  const QString text = decoder(utf8);
  HelpFile file = parse(text);
  if (decoder.hasError()) {
    file.errors_.insert(file.errors_.begin(), {0, QStringLiteral("the file is not valid UTF-8")});
  }
  return file;
}

HelpFile HelpFile::parse(const QString& text) {
  HelpFile file;
  auto error = [&file](int line, const QString& message) {
    file.errors_.push_back({line, message});
  };
  const QStringList lines = text.split(u'\n');
  HelpTopic* topic = nullptr;
  bool inText = false;
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i + 1);
    QString line = lines[i];
    if (line.endsWith(u'\r')) line.chop(1);

    if (line.startsWith(u'@') && !line.startsWith(QStringLiteral("@@"))) {
      const qsizetype blank = line.indexOf(u' ');
      const QString word = blank < 0 ? line : line.left(blank);
      const QString rest = blank < 0 ? QString() : line.mid(blank + 1).trimmed();
      if (word == QStringLiteral("@rem")) continue;
      if (word == QStringLiteral("@topic")) {
        if (topic) trimBlankLines(topic->lines);
        file.topics_.push_back({rest, {}, {}, {}, number});
        topic = &file.topics_.back();
        inText = false;
        if (rest.isEmpty()) error(number, QStringLiteral("a topic needs a title"));
        continue;
      }
      if (!topic) continue;  // the free header
      if (inText) {
        error(number, QStringLiteral("%1 stands after the topic's text").arg(word));
      } else if (word == QStringLiteral("@contents")) {
        if (file.contents_ >= 0)
          error(number, QStringLiteral("a second contents topic"));
        else
          file.contents_ = static_cast<int>(file.topics_.size() - 1);
      } else if (word == QStringLiteral("@context")) {
        bool ok = false;
        const int context = rest.toInt(&ok);
        if (ok && context > 0)
          topic->contexts.push_back(context);
        else
          error(number, QStringLiteral("bad context number \"%1\"").arg(rest));
      } else if (word == QStringLiteral("@keyword")) {
        if (!rest.isEmpty())
          topic->keywords.append(rest);
        else
          error(number, QStringLiteral("an empty keyword"));
      } else {
        error(number, QStringLiteral("unknown line %1").arg(word));
      }
      continue;
    }

    if (!topic) continue;
    if (line.startsWith(QStringLiteral("@@"))) line.remove(0, 1);
    if (!inText && line.trimmed().isEmpty()) continue;
    topic->lines.append(line);
    inText = true;
  }
  if (topic) trimBlankLines(topic->lines);
  file.check();
  return file;
}

std::optional<HelpFile> HelpFile::load(const QString& path) {
  QFile input(path);
  if (!input.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = input.readAll();
  if (input.error() != QFileDevice::NoError) return std::nullopt;
  return parse(bytes);
}

void HelpFile::check() {
  std::map<int, int> contexts;
  for (int i = 0; i < static_cast<int>(topics_.size()); ++i) {
    const HelpTopic& topic = topics_[i];
    if (findTitle(topic.title) != i) {
      errors_.push_back({topic.line, QStringLiteral("a second topic \"%1\"").arg(topic.title)});
    }
    for (const int context : topic.contexts) {
      if (!contexts.emplace(context, i).second) {
        errors_.push_back({topic.line, QStringLiteral("context %1 is taken").arg(context)});
      }
    }
    for (const QString& line : topic.lines) {
      scanLinks(
          line, [](const QString&) {},
          [&](const QString& title, const QString&) {
            if (title.startsWith(kDocumentPrefix)) {
              if (documentOf(title).isEmpty()) {
                errors_.push_back({topic.line, QStringLiteral("a document link needs a file name "
                                                              "without folders: \"%1\"")
                                                   .arg(title)});
              }
            } else if (findTitle(title) < 0) {
              errors_.push_back(
                  {topic.line, QStringLiteral("a link to no topic: \"%1\"").arg(title)});
            }
          });
    }
  }
}

QString HelpFile::documentOf(const QString& target) {
  if (!target.startsWith(kDocumentPrefix)) return {};
  const QString name = target.mid(kDocumentPrefix.size()).trimmed();
  if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\') || name == u'.' ||
      name == QStringLiteral("..")) {
    return {};
  }
  return name;
}

int HelpFile::contentsTopic() const {
  if (contents_ >= 0) return contents_;
  return topics_.empty() ? -1 : 0;
}

int HelpFile::findContext(int context) const {
  for (int i = 0; i < static_cast<int>(topics_.size()); ++i) {
    const auto& numbers = topics_[i].contexts;
    if (std::find(numbers.begin(), numbers.end(), context) != numbers.end()) return i;
  }
  return -1;
}

int HelpFile::findTitle(const QString& title) const {
  for (int i = 0; i < static_cast<int>(topics_.size()); ++i) {
    if (topics_[i].title == title) return i;
  }
  return -1;
}

std::vector<int> HelpFile::findKeyword(const QString& keyword) const {
  const QString wanted = keyword.trimmed();
  std::vector<int> found;
  for (int i = 0; i < static_cast<int>(topics_.size()); ++i) {
    for (const QString& candidate : topics_[i].keywords) {
      if (candidate.compare(wanted, Qt::CaseInsensitive) == 0) {
        found.push_back(i);
        break;
      }
    }
  }
  return found;
}

QStringList HelpFile::keywords() const {
  QStringList all;
  for (const HelpTopic& topic : topics_) {
    for (const QString& keyword : topic.keywords) {
      const bool known = std::any_of(all.cbegin(), all.cend(), [&](const QString& other) {
        return other.compare(keyword, Qt::CaseInsensitive) == 0;
      });
      if (!known) all.append(keyword);
    }
  }
  std::stable_sort(all.begin(), all.end(), [](const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
  });
  return all;
}

QString HelpFile::topicHtml(int index, bool withTitle) const {
  if (index < 0 || index >= static_cast<int>(topics_.size())) return {};
  const HelpTopic& topic = topics_[index];
  const auto inlineHtml = [this](const QString& text) {
    QString html;
    scanLinks(
        text, [&](const QString& plain) { html += plain.toHtmlEscaped(); },
        [&](const QString& title, const QString& shown) {
          const QString document = documentOf(title);
          const int target = findTitle(title);
          if (!document.isEmpty()) {
            html += QStringLiteral("<a href=\"document:%1\">%2</a>")
                        .arg(QString::fromLatin1(QUrl::toPercentEncoding(document)),
                             shown.toHtmlEscaped());
          } else if (target < 0) {
            html += shown.toHtmlEscaped();
          } else {
            html += QStringLiteral("<a href=\"topic:%1\">%2</a>")
                        .arg(target)
                        .arg(shown.toHtmlEscaped());
          }
        });
    return html;
  };

  QString html;
  if (withTitle) html += QStringLiteral("<h3>%1</h3>").arg(topic.title.toHtmlEscaped());
  // One block at a time: a paragraph, a list or code lines.
  enum class Block { None, Paragraph, List, Code } block = Block::None;
  QStringList parts;
  const auto flush = [&] {
    switch (block) {
      case Block::Paragraph:
        html += QStringLiteral("<p>%1</p>").arg(inlineHtml(parts.join(u' ')));
        break;
      case Block::List:
        html += QStringLiteral("<ul>");
        for (const QString& item : parts)
          html += QStringLiteral("<li>%1</li>").arg(inlineHtml(item));
        html += QStringLiteral("</ul>");
        break;
      case Block::Code:
        html += QStringLiteral("<pre>%1</pre>").arg(inlineHtml(parts.join(u'\n')));
        break;
      case Block::None:
        break;
    }
    block = Block::None;
    parts.clear();
  };
  const auto begin = [&](Block kind) {
    if (block != kind) flush();
    block = kind;
  };
  for (const QString& line : topic.lines) {
    if (line.trimmed().isEmpty()) {
      flush();
    } else if (line.startsWith(QStringLiteral("- "))) {
      begin(Block::List);
      parts.append(line.mid(2).trimmed());
    } else if (line.startsWith(QStringLiteral("  ")) && block == Block::List) {
      parts.back() += u' ' + line.trimmed();
    } else if (line.startsWith(QStringLiteral("  "))) {
      begin(Block::Code);
      parts.append(line);
    } else {
      begin(Block::Paragraph);
      parts.append(line.trimmed());
    }
  }
  flush();
  return html;
}

}  // namespace paxamon
