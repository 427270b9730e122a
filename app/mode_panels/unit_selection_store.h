#pragma once

namespace tallyx {

class Registry;
class UnitTable;

// The unit converter's choices in the settings store: the category shown
// and, for every category, the units converted from and to. Stored units
// that the table does not have are passed over, and a store written for
// another number of categories leaves every category's units as they are.
void RestoreUnitSelection(UnitTable& table, Registry& registry);
// Writes them all; the category shown stays current.
void SaveUnitSelection(UnitTable& table, Registry& registry);

}  // namespace tallyx
