#pragma once

namespace folidex::pdf {

// Why the fast reader gave up on a file. Thrown inside the reader, caught where it starts.
enum class PdfReadFailure {
  // Something the reader does not handle (damaged or unusual structure, an encrypted
  // object stream, a filter it lacks): qpdf, which repairs files, gets a try.
  NotUnderstood,
  // The file asks for more work than any sound file needs (a decompression bomb, a page
  // tree that shares its nodes over and over): it is not counted at all.
  OverLimit,
};

}  // namespace folidex::pdf
