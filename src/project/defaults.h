// SPDX-License-Identifier: MIT
// The reset procedures that give a new project its defaults.
#pragma once

#include <string>

#include "project/project.h"
#include "texts/text_source.h"

namespace project {

// Block 4 to its defaults and the reader bytes of block 5 (reader type 1, code IDs off),
// together with the image-capture reset.
void resetReader(Project& project);

// Block 4 bytes 291 to 303, block 5 byte 95, byte 426 and the image store path. Also forced
// before every save for the Q720PPC model and when an old file is read.
void resetImageCapture(Project& project);

// Block 4 bytes 291 to 303 only, for the migration of files that had no image capture.
void resetImageCaptureReaderBytes(ReaderSettings& reader);

// The bytes of block 5 that the Settings page edits, as a new project has them: the start, the
// delimiters and options, the vibrator, the password, every protection flag and the export store
// (its text only: the bytes behind its NUL stay). The reader type, the code IDs, the model stamp
// and the image store stay too.
void resetDeviceOptions(DeviceSettings& d, const texts::TextSource& texts);

// Blocks 1, 2, 3, the rest of block 5 and block 61, with default texts from `texts`.
void resetContent(Project& project, const texts::TextSource& texts, Model modelPreference);

// Reader reset, then content reset. (The modified flag is the document's, not the project's.)
void resetProject(Project& project, const texts::TextSource& texts, Model modelPreference);

// Writes every reset value of form `number` (1 to 20); bytes 1533 on are left as they are.
void resetForm(FormDef& form, int number, const texts::TextSource& texts);

// The default export name of form `number`: text 10 and the number as two digits.
[[nodiscard]] std::string defaultFormExportName(int number, const texts::TextSource& texts);

void resetMenu(MenuDef& menu);
void resetLookup(LookupDef& lookup, int number, const texts::TextSource& texts);
void resetTransactionFile(TransactionFileSettings& transaction, const texts::TextSource& texts);

inline constexpr const char* DefaultStorePath = "\\DiskOnChip";

}  // namespace project
