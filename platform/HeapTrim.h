#pragma once

// Freed heap memory goes back to the system in every malloc arena, not only in the
// main one. After each large free glibc raises its mmap and trim thresholds, so a
// thread that parses the settings files (every Apply's thread) leaves
// megabytes at the top of its arena, and resident memory climbs with the count of
// arenas. Fixed thresholds map large blocks apart and trim every arena on free.
// Called once at start, before any thread.
void keepHeapTrimmed();
