// The key filter of a table cell while it is being edited in place: digits, Backspace, Enter,
// comma and full stop pass unchanged, every other key is swallowed. A separator that is not the
// current one is kept as typed, so the cell then fails to parse and the edit is refused.
#pragma once

namespace balka {

bool CellEditKeyPasses(char32_t key);

} // namespace balka
