#pragma once

namespace folidex::pdf {

// Why the fast reader gave up on a file. Thrown inside the reader, caught where it starts.
enum class PdfReadFailure {
  // Something the reader does not handle (damaged or unusual structure, an encrypted
  // object stream, a filter it lacks): qpdf, which repairs files, gets a try.
  NotUnderstood,
  // The file asks for more work or memory than any sound file needs (a decompression
  // bomb, a page tree that shares its nodes over and over or nests too deep, an object
  // larger than the reader holds): it is not counted at all, and not handed to qpdf.
  OverLimit,
  // The search that asked for the count was cancelled.
  Cancelled,
};

}  // namespace folidex::pdf
