// What assistive technology (a screen reader, over AT-SPI) learns of the
// custom-drawn controls: each control class registers an accessible
// interface of its own, which Qt's accessibility asks for through one
// factory. The controls of this layer (labels, edit fields, group boxes,
// the string grid and its cells) are described here; the components
// register theirs the same way, built on ControlAccessible.
#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>

class QWidget;

namespace paxamon {

// The interface for objects of the class named className (its meta-object
// name) and of classes derived from it. maker may decline an object
// (nullptr); Qt then asks for its base class.
using AccessibleMaker = QAccessibleInterface* (*)(QObject* object);
void registerAccessible(const char* className, AccessibleMaker maker);

// The same for Control, whose interface is an Interface(Control*); done
// once, however often the controls' constructors ask.
template <class Control, class Interface>
void registerAccessibleFor() {
  static const bool registered =
      (registerAccessible(Control::staticMetaObject.className(),
                          [](QObject* object) -> QAccessibleInterface* {
                            return new Interface(static_cast<Control*>(object));
                          }),
       true);
  Q_UNUSED(registered);
}

// Registers the interfaces of this layer's controls (done by their
// constructors, once).
void registerPlatformAccessibles();

// A caption as read aloud: "&x" as x, "&&" as "&", blanks at either end
// dropped and runs of blanks made one.
QString spokenCaption(const QString& caption);

// Tells assistive technology, when one listens, that the name or the text
// of widget (or of its child item) changed.
void notifyNameChanged(QWidget* widget, int child = -1);
void notifyTextChanged(QWidget* widget, const QString& oldText, const QString& newText,
                       int child = -1);
void notifyStateChanged(QWidget* widget, QAccessible::State changed, int child = -1);

// A text that can be read but not changed, all of it at once: the text
// interface of labels, fields and cells.
class ReadOnlyText : public QAccessibleTextInterface {
 public:
  virtual QString readOnlyText() const = 0;

  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int start, int end) const override;
  int characterCount() const override { return static_cast<int>(readOnlyText().size()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override;
};

// A custom control as assistive technology sees it: its role; its name
// (the widget's accessible name when set, else what the control shows); a
// value, which controls that show a text also offer as their text; and,
// when it is clickable, the action "Press", which clicks it once the
// request has been answered (a click may open a modal window).
class ControlAccessible : public QAccessibleWidget, public ReadOnlyText {
 public:
  ControlAccessible(QWidget* widget, QAccessible::Role role);

  QString text(QAccessible::Text t) const override;
  void* interface_cast(QAccessible::InterfaceType type) override;
  QStringList actionNames() const override;
  void doAction(const QString& action) override;
  QString readOnlyText() const override { return value(); }

 protected:
  virtual QString name() const { return {}; }
  virtual QString value() const { return {}; }
  virtual bool hasText() const { return false; }
  // A graphic control with a click handler is clickable; it clicks with
  // performClick.
  virtual bool clickable() const;
  virtual void click();
};

}  // namespace paxamon
