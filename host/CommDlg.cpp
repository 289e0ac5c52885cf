#include "host/CommDlg.h"

#if !defined(_WIN32)
#include "host/FileDialog.h"

#include <cstring>
#include <deque>

namespace {

struct Answer {
    bool picked;
    std::string directory;
    std::vector<std::string> names;
    bool raw = false; // bytes and offset as given
    std::string bytes;
    WORD nameOffset = 0;
};

struct DialogRecord {
    std::deque<Answer> answers;
    std::vector<FileDialogRequest> requests;
    DWORD lastError = 0;
};

DialogRecord& record() {
    static DialogRecord r;
    return r;
}

std::vector<std::string> readFilter(LPCSTR filter) {
    std::vector<std::string> strings;
    if (!filter) {
        return strings;
    }
    // Pairs of description and pattern; an empty description ends them.
    while (*filter) {
        strings.emplace_back(filter);
        filter += strings.back().size() + 1;
        strings.emplace_back(filter);
        filter += strings.back().size() + 1;
    }
    return strings;
}

BOOL fail(DWORD error) {
    record().lastError = error;
    return FALSE;
}

} // namespace

FileDialogResult LayOutFileDialogResult(const std::string& directory,
                                        const std::vector<std::string>& names, char separator) {
    FileDialogResult result{};
    if (names.size() == 1) {
        const bool joined = !directory.empty() && directory.back() == separator;
        result.text = joined ? directory : directory + separator;
        result.fileOffset = static_cast<WORD>(result.text.size());
        result.text += names.front();
        const std::size_t dot = names.front().rfind('.');
        result.extensionOffset = static_cast<WORD>(
            dot == std::string::npos ? result.text.size() : result.fileOffset + dot + 1);
        result.text += '\0';
    } else {
        result.text = directory + '\0';
        result.fileOffset = static_cast<WORD>(result.text.size());
        for (const std::string& name : names) {
            result.text += name + '\0';
        }
    }
    result.text += '\0';
    return result;
}

void PickInNextFileDialog(const std::string& directory, const std::vector<std::string>& names) {
    record().answers.push_back(Answer{true, directory, names, false, {}, 0});
}

void CancelNextFileDialog() {
    record().answers.push_back(Answer{false, {}, {}, false, {}, 0});
}

void AnswerNextFileDialogWith(const std::string& bytes, WORD nameOffset) {
    record().answers.push_back(Answer{true, {}, {}, true, bytes, nameOffset});
}

std::vector<FileDialogRequest> FileDialogRequests() {
    return record().requests;
}

void ResetFileDialogs() {
    record() = DialogRecord{};
}

DWORD CommDlgExtendedError() {
    return record().lastError;
}

BOOL GetOpenFileNameA(LPOPENFILENAMEA ofn) {
    DialogRecord& r = record();
    r.lastError = 0;
    if (!ofn) {
        return fail(CDERR_INITIALIZATION);
    }
    if (ofn->lStructSize != sizeof(OPENFILENAMEA) &&
        ofn->lStructSize != OPENFILENAME_SIZE_VERSION_400A) {
        return fail(CDERR_STRUCTSIZE);
    }
    FileDialogRequest asked{*ofn, readFilter(ofn->lpstrFilter), ofn->lpstrTitle != nullptr,
                            ofn->lpstrTitle ? ofn->lpstrTitle : "",
                            ofn->lpstrFile ? ofn->lpstrFile[0] : '\0'};
    r.requests.push_back(asked);
    if (!ofn->lpstrFile || ofn->nMaxFile == 0) {
        return fail(CDERR_INITIALIZATION);
    }
    if (r.answers.empty()) {
        return fail(CDERR_DIALOGFAILURE);
    }
    const Answer answer = r.answers.front();
    r.answers.pop_front();
    if (!answer.picked) {
        return FALSE;
    }
    if (answer.raw) {
        if (answer.bytes.size() > ofn->nMaxFile) {
            return fail(FNERR_BUFFERTOOSMALL);
        }
        std::memcpy(ofn->lpstrFile, answer.bytes.data(), answer.bytes.size());
        ofn->nFileOffset = answer.nameOffset;
        ofn->nFileExtension = 0;
        return TRUE;
    }
    // A dialog that was not asked for several files cannot return several.
    const DWORD multiple = OFN_ALLOWMULTISELECT | OFN_EXPLORER;
    if (answer.names.empty() || (answer.names.size() > 1 && (ofn->Flags & multiple) != multiple)) {
        return fail(CDERR_DIALOGFAILURE);
    }
    const FileDialogResult result =
        LayOutFileDialogResult(answer.directory, answer.names, kHostPathSeparator);
    if (result.text.size() > ofn->nMaxFile) {
        // As the system does: the first two bytes tell the size needed.
        if (ofn->nMaxFile >= 2) {
            const WORD needed = static_cast<WORD>(result.text.size());
            std::memcpy(ofn->lpstrFile, &needed, sizeof needed);
        }
        return fail(FNERR_BUFFERTOOSMALL);
    }
    std::memcpy(ofn->lpstrFile, result.text.data(), result.text.size());
    ofn->nFileOffset = result.fileOffset;
    ofn->nFileExtension = result.extensionOffset;
    return TRUE;
}
#endif
