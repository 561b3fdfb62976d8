#pragma once

namespace folidex {

// Keeps memory that the program frees for its next use instead of handing it back to the
// system at once. Counting builds and drops large objects file after file (a page-tree
// root with thousands of kids), and taking fresh pages from the system for each costs
// more than parsing them. Call once at start-up.
void KeepFreedMemoryForReuse();

}  // namespace folidex
