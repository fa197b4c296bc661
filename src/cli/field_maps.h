// SPDX-License-Identifier: MIT
// The project's field maps under the names the commands use.
#pragma once

#include "project/field_map.h"

namespace cli {

using project::complete;
using project::deviceSpec;
using project::FieldKind;
using project::FieldSpec;
using project::fieldAt;
using project::formSpec;
using project::lookupSpec;
using project::menuSpec;
using project::NoLimit;
using project::readerSpec;
using project::RecordSpec;
using project::transactionSpec;

}  // namespace cli
