// How the C library's allocator serves a run that reads document after
// document.
#pragma once

namespace harvelux {

// Keeps the blocks freed after one document in the heap for the next. By
// default glibc takes every block over 128 KiB (a document's bytes, a
// compound file's stream, a story's text) fresh from the kernel and hands
// it back when it is freed; the kernel then clears each page of the next
// one as it is first touched, which cost a run over the .doc files of the
// test corpus almost half its time. Blocks of up to 32 MiB now come from the
// heap, and up to 64 MiB of free heap is kept. Does nothing where the C
// library is not glibc.
void keepFreedBlocksForReuse();

}  // namespace harvelux
