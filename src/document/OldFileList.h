#pragma once

#include <QStringList>
#include <memory>

namespace zentrope {

// The recent files list: at most six file names, newest first, kept in section
// "OldFiles" of the settings file.
class TOldFileList {
public:
    TOldFileList();
    QStringList Files;
};

// The one process-wide list, from start-up until the main window is destroyed.
extern std::unique_ptr<TOldFileList> OldFileList;

} // namespace zentrope
