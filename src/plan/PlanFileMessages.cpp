#include "plan/PlanFileMessages.h"

#include "plan/FilingStatus.h"
#include "plan/PlanFields.h"
#include "plan/PlanFile.h"

#include <cerrno>

namespace velmora {
namespace {

std::string LineText(int line) {
    return "line " + std::to_string(line);
}

std::string AllDefaults() {
    return " All values are the default values.";
}

std::string DefaultsFrom(int line) {
    return " The values from " + LineText(line) + " on are the default values.";
}

// An optional sign and nothing but digits: a number beyond the 32-bit range.
bool IsWholeNumber(const std::string& text) {
    const std::size_t digits = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    return text.size() > digits &&
           text.find_first_not_of("0123456789", digits) == std::string::npos;
}

std::string NumberProblem(const LoadResult& result, const std::string& fileName) {
    const std::string where =
        "Line " + std::to_string(result.line) + " of your plan file " + fileName;
    const std::string what =
        IsWholeNumber(result.text)
            ? " holds the number " + result.text + ", which is too large for Velmora."
            : " should hold a whole number but holds \"" + result.text + "\".";
    return where + what + " The values after that line are the default values.";
}

// 1376 -> "1,376".
std::string WithThousands(int number) {
    const std::string digits = std::to_string(number);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            text += ',';
        }
        text += digits[i];
    }
    return text;
}

std::string EndProblem(const LoadResult& result, const std::string& fileName) {
    const std::string start = "Your plan file " + fileName + " could not be read completely: ";
    if (result.line == 0) {
        return start + "the file is empty. All values are 0 or empty.";
    }
    return start + "the file ends at line " + WithThousands(result.line) + " of " +
           WithThousands(kPlanFileLines) + ". The values after that line are 0 or empty.";
}

// The text as it can be shown: printable ASCII as it is, every other byte (a control
// character, a byte of another character set) as its code, "<09>".
std::string Visible(const std::string& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code >= ' ' && code < 127) {
            shown += c;
        } else {
            shown += '<';
            shown += kHex[code / 16];
            shown += kHex[code % 16];
            shown += '>';
        }
    }
    return shown;
}

} // namespace

std::string MaritalStatusText(const LoadResult& result, const std::string& married,
                              const std::string& fileName) {
    const bool lineOneRead =
        result.status == LoadStatus::Complete ||
        (result.status == LoadStatus::NotFullyRead &&
         (result.line > 1 || (result.problem == LoadProblem::FileEnded && result.line == 1)));
    if (!lineOneRead || FilingStatusOf(married) != FilingStatus::Neither) {
        return {};
    }
    const std::string holds = married.empty() ? "is empty" : "holds \"" + Visible(married) + "\"";
    return "Line 1 of your plan file " + fileName +
           ", the marital status, should be \"Yes\" (married) or \"No\" (single) but " + holds +
           ". Velmora keeps it as it is, but the tax cannot be worked out until you choose Single "
           "or Married on the Data Input Screen.";
}

std::string LoadProblemText(const LoadResult& result, const std::string& fileName) {
    const std::string file = "your plan file " + fileName;
    switch (result.problem) {
    case LoadProblem::None:
        return {};
    case LoadProblem::CannotOpen:
        return "Velmora could not open " + file + " (" + SaveErrorText(result.error) + ")." +
               AllDefaults();
    case LoadProblem::NotAFile:
        return "Your plan file " + fileName +
               " is not an ordinary file (it may be a folder, a device or a pipe), so Velmora "
               "did not read it." +
               AllDefaults();
    case LoadProblem::FileTooLarge:
        if (result.line > 0) {
            return "Velmora stopped reading " + file + " at " + LineText(result.line) +
                   ", because the file is larger than 16 MB, far too large for a plan file." +
                   DefaultsFrom(result.line);
        }
        return "Your plan file " + fileName +
               " is larger than 16 MB, far too large for a plan file, so Velmora did not read "
               "it." +
               AllDefaults();
    case LoadProblem::ReadError:
        return "Velmora could not read " + LineText(result.line) + " of " + file + " (" +
               SaveErrorText(result.error) + ")." + DefaultsFrom(result.line);
    case LoadProblem::LineTooLong:
        return "Line " + std::to_string(result.line) + " of " + file +
               " is longer than 65536 characters, far longer than any line of a plan file." +
               DefaultsFrom(result.line);
    case LoadProblem::NotANumber:
        return NumberProblem(result, fileName);
    case LoadProblem::NulByte:
        return "Line " + std::to_string(result.line) + " of " + file +
               " holds a NUL character (code 0), which no plan file holds: the file is damaged." +
               DefaultsFrom(result.line);
    case LoadProblem::FileEnded:
        return EndProblem(result, fileName);
    }
    return {};
}

std::string KeptAsideText(const std::string& fileName, const std::string& keptName) {
    return "The file as Velmora found it is kept unchanged as " + keptName +
           "; when you save, your plan is written to a new " + fileName + ".";
}

std::string NotKeptAsideText(const std::string& fileName, const std::string& keptName, int error) {
    return "Velmora could not keep the file aside as " + keptName + " (" + SaveErrorText(error) +
           "), so it will not save your plan over it. Please move or rename " + fileName +
           " yourself, then save.";
}

std::string SaveRefusedText(const std::string& fileName) {
    return "Your plan was not saved: " + fileName +
           " could not be read completely and could not be kept aside, so saving would replace "
           "it. Please move or rename " +
           fileName + ", then save again";
}

std::string NotSavedNote(const std::string& fileName) {
    return "Your plan was not saved: " + fileName + " on disk is as it was";
}

std::string BackupNotKeptText(const std::string& fileName, const std::string& backupName,
                              int error) {
    const std::string reason = error == EISDIR ? "it is a folder" : SaveErrorText(error);
    return "Your plan has been saved in " + fileName +
           ", but the previous plan could not be kept as " + backupName + " (" + reason + "). " +
           backupName + " does not hold the plan as it was before this save.";
}

std::string ChangedOnDiskQuestion(const std::string& fileName) {
    return "Another program has changed your plan file " + fileName +
           " since Velmora read or last saved it. Do you want to replace it with the plan you "
           "see in Velmora?";
}

std::string LockNotMadeText(const std::string& lockName, int error) {
    return "Velmora could not create its lock file " + lockName + " (" + SaveErrorText(error) +
           "). Another copy of Velmora could change this plan at the same time.";
}

std::string AlreadyOpenText(const std::string& fileName, long long processId) {
    const std::string process =
        processId > 0 ? " (process id " + std::to_string(processId) + ")" : std::string();
    return "Velmora is already open on the plan file " + fileName + " in this folder" + process +
           ". Please use the Velmora window that is already open, or close it and then start "
           "Velmora again.";
}

} // namespace velmora
