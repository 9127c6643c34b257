#pragma once
// Keeps DLLs beside the program (a download folder, say) from being
// loaded: from here on, DLLs are looked for in System32 only.
void RestrictDllSearch();
