#include "machine/executor.h"

#include <charconv>
#include <optional>
#include <string>

#include "machine/notation.h"
#include "machine/runmode.h"

namespace paxamon {

void resetForRun(MachineState& state, const CellTexts& gridTexts) {
  for (int i = 0; i < kCellCount; ++i) {
    state.memory[static_cast<std::size_t>(i)] = cutToCell(gridTexts[static_cast<std::size_t>(i)]);
  }
  state.stepCount = 0;
  state.xr = 0;
  state.ak = 0;
  state.akUnset = true;
  state.xrUnset = true;
  state.errorRaised = false;
  state.running = true;
}

namespace {

// Decimal text of a value in a small buffer, for the register displays.
class Decimal {
 public:
  explicit Decimal(std::int32_t value) {
    length_ = static_cast<std::size_t>(std::to_chars(buffer_, buffer_ + sizeof buffer_, value).ptr -
                                       buffer_);
  }
  std::string_view view() const { return {buffer_, length_}; }

 private:
  char buffer_[12];
  std::size_t length_;
};

std::string cellNumber(std::int32_t address) {
  return std::string(Decimal(address).view());
}

std::int32_t wrapAdd(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

std::int32_t wrapSub(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}

std::int32_t wrapMul(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

// Quotient truncated toward zero; the one quotient that does not fit,
// -2147483648 / -1, wraps to -2147483648. The divisor is never 0 here.
std::int32_t wrapDiv(std::int32_t a, std::int32_t b) {
  return b == -1 ? wrapSub(0, a) : a / b;
}

// Remainder with the sign of the dividend; anything modulo -1 is 0.
std::int32_t wrapMod(std::int32_t a, std::int32_t b) {
  return b == -1 ? 0 : a % b;
}

enum class Op { LDA, STA, ADD, SUB, MUL, DIV, MOD, JMP, JAN, JAZ, JXP, NUL, INC, STX, LDX, END };

std::optional<Op> opOf(std::string_view m) {
  if (m.size() != 3) return std::nullopt;
  static constexpr struct {
    std::string_view name;
    Op op;
  } kOps[] = {{"STA", Op::STA}, {"LDA", Op::LDA}, {"ADD", Op::ADD}, {"SUB", Op::SUB},
              {"MUL", Op::MUL}, {"DIV", Op::DIV}, {"MOD", Op::MOD}, {"JMP", Op::JMP},
              {"JAN", Op::JAN}, {"JAZ", Op::JAZ}, {"JXP", Op::JXP}, {"NUL", Op::NUL},
              {"INC", Op::INC}, {"STX", Op::STX}, {"LDX", Op::LDX}, {"END", Op::END}};
  for (const auto& entry : kOps) {
    if (entry.name == m) return entry.op;
  }
  return std::nullopt;
}

// One run's locals and the execution of single instructions.
class Run {
 public:
  Run(MachineState& state, RunView& view) : s_(state), v_(view) {}

  RunEnding go(PauseFunction pause) {
    resetForRun(s_, v_.readCells());
    v_.setIR({});
    v_.setPC({});
    v_.setXR({});
    v_.setAK({});
    while (pc_ <= kCellCount - 1 && !s_.errorRaised && s_.running) {
      if (!step()) break;
      afterStep(s_, v_, pause);
    }
    v_.setSign({});
    v_.setControlPath({});
    v_.setDataPath({});
    if (s_.errorRaised) return RunEnding::Error;
    if (endExecuted_) return RunEnding::End;
    if (pc_ > kCellCount - 1) return RunEnding::PassedLastCell;
    return RunEnding::Cancelled;
  }

 private:
  // Executes the cell at pc; false after a run error.
  bool step() {
    v_.selectCell(pc_);
    v_.setSign({});
    operandCell_.reset();
    const std::string upper = upperCell(s_.memory[static_cast<std::size_t>(pc_)]);
    if (!execute(upper)) return false;

    s_.ir = upper.substr(0, kIrCapacity);
    ++pc_;
    v_.writeCells(s_.memory);
    v_.setIR(s_.ir);
    v_.setPC(Decimal(s_.stepCount).view());
    if (!s_.xrUnset) v_.setXR(Decimal(s_.xr).view());
    if (!s_.akUnset) v_.setAK(Decimal(s_.ak).view());
    v_.setControlPath(s_.ir);
    v_.setDataPath(operandView(s_.memory, operandCell_));
    s_.stepCount = wrapAdd(s_.stepCount, 1);
    return true;
  }

  bool execute(std::string_view upper) {
    const std::string_view mnemonic = mnemonicOf(upper);
    const std::optional<Op> op = opOf(mnemonic);
    if (!op) return fail("Unbekannter Befehl in Speicherzelle " + cellNumber(pc_));

    switch (*op) {
      case Op::NUL:
        s_.ak = 0;
        return sign("=");
      case Op::INC:
        setAk(wrapAdd(s_.ak, 1));
        return sign("+");
      case Op::STX:
        s_.xr = s_.ak;
        s_.xrUnset = false;
        return sign("=");
      case Op::LDX:
        setAk(s_.xr);
        return sign("=");
      case Op::END:
        s_.running = false;
        endExecuted_ = true;
        return true;
      default:
        break;
    }

    const std::optional<CellAddress> address = addressOf(upper, mnemonic);
    if (!address) return fail("Fehlerhalfte Adress-Angabe in Speicherzelle " + cellNumber(pc_));
    const CellAddress xx = *address;
    operandCell_ = xx;

    switch (*op) {
      case Op::STA:
        s_.memory[static_cast<std::size_t>(xx)] = numberText(s_.ak);
        return sign("=");
      case Op::JMP:
        pc_ = xx - 1;
        return sign("^");
      case Op::JAN:
        if (!s_.akUnset && s_.ak < 0) pc_ = xx - 1;
        return sign("^");
      case Op::JAZ:
        if (!s_.akUnset && s_.ak == 0) pc_ = xx - 1;
        return sign("^");
      case Op::JXP:
        if (!s_.xrUnset && s_.xr > 0) {
          pc_ = xx - 1;
          s_.xr = wrapSub(s_.xr, 1);
        }
        return sign("^");
      default:
        break;
    }

    const std::optional<std::int32_t> data = dataOf(s_.memory[static_cast<std::size_t>(xx)]);
    if (!data) return fail("Keine Daten in Speicherzelle " + cellNumber(xx) + " gefunden");
    const std::int32_t d = *data;

    switch (*op) {
      case Op::LDA:
        setAk(d);
        return sign("=");
      case Op::ADD:
        setAk(wrapAdd(s_.ak, d));
        return sign("+");
      case Op::SUB:
        setAk(wrapSub(s_.ak, d));
        return sign("-");
      case Op::MUL:
        setAk(wrapMul(s_.ak, d));
        return sign("*");
      case Op::DIV:
      case Op::MOD:
        if (d == 0) {
          // The message is stored in Windows-1252: 0xE4 is "ä".
          return fail("Division durch 0 (Inhalt der Speicherzelle " + cellNumber(xx) +
                      ") ist nicht zul\xE4ssig");
        }
        setAk(*op == Op::DIV ? wrapDiv(s_.ak, d) : wrapMod(s_.ak, d));
        return sign("/");
      default:
        return true;  // every instruction is handled above
    }
  }

  void setAk(std::int32_t value) {
    s_.ak = value;
    s_.akUnset = false;
  }

  bool sign(std::string_view text) {
    v_.setSign(text);
    return true;
  }

  bool fail(const std::string& message) {
    reportRunError(s_, v_, message);
    return false;
  }

  MachineState& s_;
  RunView& v_;
  std::int32_t pc_ = 0;
  std::optional<CellAddress> operandCell_;
  bool endExecuted_ = false;
};

}  // namespace

RunEnding run(MachineState& state, RunView& view, PauseFunction pause) {
  return Run(state, view).go(pause);
}

void reportRunError(MachineState& state, RunView& view, std::string_view message) {
  std::string text = "FEHLER: ";
  text += message;
  view.showRunError(text);
  state.errorRaised = true;
  state.running = false;
}

}  // namespace paxamon
