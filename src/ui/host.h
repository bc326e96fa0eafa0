#pragma once

#include <QString>

namespace ui {

enum class Icon { None, Information, Critical };
enum class Buttons { Ok, OkCancel };
enum class Answer { Ok, Cancel };

// Everything modal or specific to the machine the program runs on. The program uses the
// real one; tests use a scripted one. Nothing else opens a message box, an input box, a file
// or folder dialog or the file manager, or asks where the executable lies.
class Host
{
public:
    virtual ~Host() = default;

    virtual Answer message(const QString &title, const QString &text, Buttons buttons,
                           Icon icon) = 0;
    // The entered text; empty on Cancel.
    virtual QString input(const QString &prompt, const QString &title,
                          const QString &defaultText) = 0;
    // The filter is a list of "description|pattern" pairs, joined by "|". Empty on Cancel.
    virtual QString openFileName(const QString &filter) = 0;
    virtual QString saveFileName(const QString &filter) = 0;
    // A folder chosen in the folder dialog with this title; empty on Cancel.
    virtual QString folderName(const QString &title) = 0;
    // Shows the folder in the desktop's file manager.
    virtual void showFolder(const QString &path) = 0;
    // The folder of the running executable.
    virtual QString programFolder() const = 0;
};

} // namespace ui
