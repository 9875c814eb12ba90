#pragma once
// The Open and Save commands of the main window's menu: the user-interface half (the file dialog,
// the questions, hiding and showing the editor windows) around the document work of
// documentio.h.

#include <string>

class DocumentModel;
class FileStamps;

// The open-file dialog's filters.
std::u16string OpenFileFilter();

// The chosen file's full path, or "None" when the user cancels.
std::u16string AskOpenPath();

// Makes the file at the full `path` the document: reads it and its include files (with
// `autoDetectStart`, the first team registry line gives the start number), has the editor windows
// show it, and stamps the files read. Whatever was open before is gone.
void OpenFile(DocumentModel &model, FileStamps &stamps, const std::u16string &path,
              bool autoDetectStart);

// Saves the document into the opened file, or split into the "+AI" folder, as the user chooses.
// The first Save of a file that would drop text it held shows what first, to save or cancel; a
// file the save would replace that changed on disk since it was read or saved is named, to
// overwrite or cancel. True when the files were written.
bool SaveFile(DocumentModel &model, FileStamps &stamps);

// Shows the file report: what Save drops of the opened files, and the findings of the document
// as it stands, its names checked against the model's rules file when there is one.
void CheckFile(const DocumentModel &model);
