#pragma once

#include "worksheets/lease.h"
#include "worksheets/worksheet.h"
#include "worksheets/worksheet_catalog.h"

namespace tallyx {

// The Lease key opens the plain placeholder sheet; its record passes through untouched.
class LeaseWorksheet : public Worksheet {
public:
    explicit LeaseWorksheet(const WorksheetOptions&) { lease_.Load(); }
    ~LeaseWorksheet() override { lease_.Save(); }

private:
    Lease lease_;
};

}  // namespace tallyx
