#include "ui/platform/messagebox.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <utility>

#include "ui/platform/accessible.h"
#include "ui/platform/application.h"
#include "ui/platform/placement.h"

namespace paxamon {

namespace {

// The box window. Sizes follow the platform's message dialog, which are in
// dialog units: a quarter of the font's average character width across and
// an eighth of its height down.
class MessageDialog : public QDialog {
 public:
  explicit MessageDialog(const MessageBoxRequest& request, QWidget* parent)
      : QDialog(parent), request_(request) {
    setObjectName(QStringLiteral("paxamonMessageBox"));
    setWindowTitle(request.caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    layOut();
    static const bool registered = (registerAccessible("QDialog", &makeAccessible), true);
    Q_UNUSED(registered);
  }

  const MessageBoxRequest& request() const { return request_; }

 protected:
  void showEvent(QShowEvent* event) override {
    QDialog::showEvent(event);
    // A screen reader reads the box out at once, as it does an alert.
    if (QAccessible::isActive()) {
      QAccessibleEvent alert(this, QAccessible::Alert);
      QAccessible::updateAccessibility(&alert);
    }
  }

  void keyPressEvent(QKeyEvent* event) override {
    const auto mods = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (event->key() == Qt::Key_Escape && mods == Qt::NoModifier) {
      done(request_.escapeButton);
      return;
    }
    QDialog::keyPressEvent(event);
  }

  // Reached by the window's close control only: Escape is handled above.
  void reject() override { done(-1); }

 private:
  void layOut() {
    const QFontMetrics metrics(font());
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int unitX = metrics.horizontalAdvance(alphabet) / 52;
    const int unitY = metrics.height();
    const int horzMargin = 8 * unitX / 4;
    const int vertMargin = 8 * unitY / 8;
    const int horzSpacing = 10 * unitX / 4;
    const int vertSpacing = 10 * unitY / 8;
    const int buttonWidth = 50 * unitX / 4;
    const int buttonHeight = 14 * unitY / 8;
    const int buttonSpacing = 4 * unitX / 4;
    constexpr int kIconSize = 32;

    // The text wraps at half the screen's width.
    const QScreen* screen = targetScreen();
    const int wrapWidth = screen ? screen->geometry().width() / 2 : 512;
    const QString shown = messageBoxDisplayText(request_.text);
    const int flags = Qt::TextWordWrap | Qt::TextExpandTabs;
    const QRect textRect = metrics.boundingRect(QRect(0, 0, wrapWidth, 0), flags, shown);

    const bool hasIcon = request_.icon != MessageBoxIcon::None;
    int textLeft = horzMargin;
    if (hasIcon) {
      auto* icon = new QLabel(this);
      icon->setObjectName(QStringLiteral("icon"));
      const auto pixmap = request_.icon == MessageBoxIcon::Stop ? QStyle::SP_MessageBoxCritical
                          : request_.icon == MessageBoxIcon::Question
                              ? QStyle::SP_MessageBoxQuestion
                              : QStyle::SP_MessageBoxWarning;
      icon->setPixmap(style()->standardIcon(pixmap, nullptr, this).pixmap(kIconSize, kIconSize));
      icon->setProperty("paxamonIcon", static_cast<int>(request_.icon));
      icon->setGeometry(horzMargin, vertMargin, kIconSize, kIconSize);
      textLeft += kIconSize + horzSpacing;
    }
    auto* message = new QLabel(this);
    message->setObjectName(QStringLiteral("message"));
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);
    message->setText(shown);
    message->setGeometry(textLeft, vertMargin, textRect.width() + 1, textRect.height());

    const int iconTextWidth = textRect.width() + 1 + (hasIcon ? kIconSize + horzSpacing : 0);
    const int iconTextHeight = std::max(textRect.height(), hasIcon ? kIconSize : 0);
    const int count = static_cast<int>(request_.buttons.size());
    const int groupWidth = count * buttonWidth + (count - 1) * buttonSpacing;
    const int clientWidth = std::max(iconTextWidth, groupWidth) + 2 * horzMargin;
    const int clientHeight = iconTextHeight + vertSpacing + buttonHeight + 2 * vertMargin;

    int x = (clientWidth - groupWidth) / 2;
    const int y = vertMargin + iconTextHeight + vertSpacing;
    QPushButton* focus = nullptr;
    for (int i = 0; i < count; ++i) {
      auto* button = new QPushButton(request_.buttons[i], this);
      button->setObjectName(QStringLiteral("button%1").arg(i));
      button->setAutoDefault(true);
      button->setGeometry(x, y, buttonWidth, buttonHeight);
      connect(button, &QPushButton::clicked, this, [this, i] { done(i); });
      if (i == request_.defaultButton) {
        button->setDefault(true);
        focus = button;
      }
      x += buttonWidth + buttonSpacing;
    }
    setFixedSize(clientWidth, clientHeight);
    if (focus) focus->setFocus();

    centreOnScreen(this, screen);
  }

  static QScreen* targetScreen() {
    if (const QWidget* active = QApplication::activeWindow()) return active->screen();
    return QGuiApplication::primaryScreen();
  }

  static QAccessibleInterface* makeAccessible(QObject* object);

  MessageBoxRequest request_;
};

// A box is an alert: its caption is its name, its text the description.
class AlertAccessible : public QAccessibleWidget {
 public:
  explicit AlertAccessible(MessageDialog* box)
      : QAccessibleWidget(box, QAccessible::AlertMessage) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Description) {
      return static_cast<MessageDialog*>(widget())->request().text.simplified();
    }
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* MessageDialog::makeAccessible(QObject* object) {
  auto* box = dynamic_cast<MessageDialog*>(object);
  return box ? new AlertAccessible(box) : nullptr;
}

MessageBoxResult show(MessageBoxKind kind, const QString& text, const QString& caption = {}) {
  const MessageBoxRequest request = messageBoxRequest(kind, text, caption);
  if (messageBoxHook()) return messageBoxHook().function(request);
  MessageDialog dialog(request, QApplication::activeWindow());
  const int chosen = dialog.exec();
  if (chosen < 0 || chosen >= request.results.size()) return MessageBoxResult::Closed;
  return request.results[chosen];
}

}  // namespace

TestHook<MessageBoxResult(const MessageBoxRequest&)>& messageBoxHook() {
  static TestHook<MessageBoxResult(const MessageBoxRequest&)> hook;
  return hook;
}

MessageBoxRequest messageBoxRequest(MessageBoxKind kind, const QString& text,
                                    const QString& caption) {
  MessageBoxRequest request;
  request.kind = kind;
  request.text = text;
  switch (kind) {
    case MessageBoxKind::Plain:
      request.caption = kApplicationTitle;
      break;
    case MessageBoxKind::Warning:
      request.caption = caption;
      request.icon = MessageBoxIcon::Exclamation;
      break;
    case MessageBoxKind::Error:
      request.caption = QStringLiteral("Fehler");
      request.icon = MessageBoxIcon::Stop;
      break;
    case MessageBoxKind::Question:
      request.caption = QStringLiteral("Bestätigen");
      request.icon = MessageBoxIcon::Question;
      request.buttons = {QStringLiteral("&Ja"), QStringLiteral("&Nein")};
      request.results = {MessageBoxResult::Yes, MessageBoxResult::No};
      request.defaultButton = 0;
      request.escapeButton = 1;
      return request;
  }
  request.buttons = {QStringLiteral("OK")};
  request.results = {MessageBoxResult::Ok};
  return request;
}

std::unique_ptr<QDialog> createMessageBox(const MessageBoxRequest& request) {
  return std::make_unique<MessageDialog>(request, nullptr);
}

QString messageBoxDisplayText(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(u'\r', u'\n');
  return shown;
}

MessageBoxResult showMessage(const QString& text) {
  return show(MessageBoxKind::Plain, text);
}

MessageBoxResult showError(const QString& text) {
  return show(MessageBoxKind::Error, text);
}

MessageBoxResult askQuestion(const QString& text) {
  return show(MessageBoxKind::Question, text);
}

MessageBoxResult showWarning(const QString& caption, const QString& text) {
  return show(MessageBoxKind::Warning, text, caption);
}

}  // namespace paxamon
