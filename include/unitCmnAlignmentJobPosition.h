/*
 * unitCmnAlignmentJobPosition: the layout engine of a wide-format printing
 * workflow. It decides where every job, copy, page and tile goes on the
 * media (a roll or a flatbed table) and writes the result into the jobs.
 *
 * Conventions of this interface:
 *  - Plain C linkage. Every function but CreateInstance takes the instance
 *    pointer returned by CreateInstance as its first argument.
 *    REQUIRES: that pointer is one CreateInstance returned and not yet
 *    disposed (a null one is logged and refused). Every text argument is
 *    null or a NUL-terminated string readable to its end.
 *  - All lengths are millimetres. "Scan" runs across the media (x, width),
 *    "feed" along it (y, length). A printable length of -1 is an unlimited
 *    roll.
 *  - Inputs are texts, never paths: a job is the whole text of its INI job
 *    file, a parameter file the whole text of its XML file. The library
 *    copies what it needs; the caller keeps ownership of every pointer it
 *    passes.
 *  - Nothing is thrown into the caller. A function that fails logs the
 *    reason (Boost.Log, severity 13) and answers false (null for
 *    CreateInstance); functions without a result simply return. Bad input
 *    leaves the instance usable.
 *  - Processor faults. Loading the library installs process-wide handlers
 *    for SIGSEGV, SIGBUS, SIGFPE and SIGILL; unloading it puts back the
 *    handlers that were there before (CreateInstance installs them again
 *    if the host has replaced them since). Translated: a fault raised by
 *    the library's own code while one of these functions runs (an invalid
 *    access, an integer division by zero). The call unwinds, logs the
 *    fault (its kind and addresses after "Info :") and answers false like
 *    any other failure. Passed on: faults outside the library's calls and
 *    signals sent with kill() go to the handler the host had before, or to
 *    the default action.
 *    NOT translated: a fault inside a C or C++ runtime function that the
 *    library calls with a bad pointer from the host, such as strlen on a
 *    job text at an invalid address or memcpy into a buffer at one. The
 *    runtime's code cannot be unwound from a fault, so the process ends
 *    (abort) as it would without the library. A pointer the host passes
 *    must be valid for the whole call; a buffer shorter than the size
 *    given is overrun, not refused.
 *  - Log. Records go through the process's Boost.Log core (logger
 *    KvnCmnLog::glob_logger, set up when the library is loaded, so the
 *    first call on any thread finds it ready): severity 10 for the entry
 *    and exit of each function, 13 for errors, 9 for traces. The library
 *    adds no sink. With no sink in the process, Boost.Log's default sink
 *    prints every record to standard output; a C++ host chooses where they
 *    go by adding its own sink to boost::log::core (which also silences
 *    the default one) or switches them off with set_logging_enabled(false).
 *  - Version. There is no version function. The version is that of the
 *    shared library file (libunitCmnAlignmentJobPosition.so.MAJOR.MINOR.PATCH,
 *    SONAME libunitCmnAlignmentJobPosition.so.MAJOR; the installed CMake
 *    package and pkg-config file carry the same number). The job texts it
 *    writes are job-file version "1.17"; older job texts are raised to it.
 *  - An instance is used by one thread at a time; separate instances may be
 *    used on separate threads. The library starts no threads.
 *  - Typical order: CreateInstance, init, addJob per job, the parameter
 *    additions needed, one execution, getAlignmentJobCount, then per job
 *    getAlignmentJobSize and copyAlignmentJobParam, then clearJob for a new
 *    series or disposeInstance.
 */
#ifndef UNITCMN_ALIGNMENT_JOB_POSITION_H_
#define UNITCMN_ALIGNMENT_JOB_POSITION_H_

#include <stdint.h>
#ifndef __cplusplus
#include <stdbool.h>
#endif

#if defined(_WIN32)
#define UNITCMN_EXPORT __declspec(dllexport)
#else
#define UNITCMN_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Makes an instance. Returns null on failure. Release it with
 * disposeInstance. */
UNITCMN_EXPORT void* CreateInstance(void);

/* Stores the arrangement kind and media geometry used by the next
 * execution. May be called again at any time. Always true. */
UNITCMN_EXPORT bool init(void* p, int arrangeKind, double duplicateMarginScan,
                         double duplicateMarginFeed, bool centerInScan,
                         double printableWidth, double printableLength,
                         double twinRollWidth1, double twinRollWidth2);

/* Appends one job read from the text of its INI job file. A text that
 * cannot be read is still appended (with what could be read) and the
 * reason is logged. A null text does nothing.
 * Limits (docs/limits.md): a text over 64 MiB, 250,000 sections or
 * 2,000,000 keys is appended empty. */
UNITCMN_EXPORT void addJob(void* p, const char* jobText);

/* Destroys every job and the kept job text. Parameter files stay. */
UNITCMN_EXPORT void clearJob(void* p);

/* Destroys the instance and everything it holds. p is invalid afterwards. */
UNITCMN_EXPORT void disposeInstance(void* p);

/* Arranges the jobs by the kind given to init and writes the results into
 * them. Writes the rectangle used on sheet 1 through the non-null output
 * pointers. False (outputs untouched) when there is no job.
 * Limits (docs/limits.md): false, every job as it was, when the jobs make
 * more than 100,000 units. */
UNITCMN_EXPORT bool alignmentJobPositionExec(void* p, double* x, double* y,
                                             double* width, double* height,
                                             double positionOffset);

/* Writes the number of jobs held. False (count untouched) when there is
 * none. */
UNITCMN_EXPORT bool getAlignmentJobCount(void* p, int* count);

/* Serialises job `index` (0-based) to its INI text, keeps that text and
 * writes its length in bytes (no terminating NUL) to *size. An index out of
 * range answers false and empties the kept text.
 * REQUIRES: size is non-null. */
UNITCMN_EXPORT bool getAlignmentJobSize(void* p, int index, uint64_t* size);

/* Copies the kept text into buffer when size equals its length exactly; no
 * terminating NUL is written. The buffer is written although declared
 * const. Otherwise answers false and writes nothing. May be repeated.
 * REQUIRES: buffer holds at least size bytes. */
UNITCMN_EXPORT bool copyAlignmentJobParam(void* p, const void* buffer,
                                          uint64_t size);

/* Lays out the tiles of the first job by the tiling kind given to init.
 * pageGap (mm) and afterFeed go to the size calculation; the other
 * arguments drive the paired placement of the nesting kind: it is on when
 * pairFirst and pairSecond are set and pairCount is 2 or more;
 * pairColumnOffset (mm) is the scan offset of the second column (0 or less
 * pairs rows instead) and pairRowWidthLimit (mm) limits a paired row.
 * False when there is no job. */
UNITCMN_EXPORT bool alignmentTilingPositionExec(void* p, bool pairFirst,
                                                double pageGap, bool afterFeed,
                                                bool pairSecond,
                                                double pairColumnOffset,
                                                int pairCount,
                                                double pairRowWidthLimit);

/* Reads the device-function parameters from their XML text, replacing what
 * was held. A null text does nothing.
 * Limits (docs/limits.md): a text over 64 MiB, 256 levels or 2,000,000
 * elements leaves the defaults; the same holds for every XML text below. */
UNITCMN_EXPORT void addDeviceFunctionParam(void* p, const char* xmlText);

/* Resets the device-function parameters to their defaults. */
UNITCMN_EXPORT void clearDeviceFunctionParam(void* p);

/* Arranges the jobs for an automatic XY slitter: a layout cut by straight
 * cuts through the whole piece, across and along the media, inside the
 * frame the slitter's marks need. Ignores init's values; the arguments
 * carry the media:
 *   centerInScan  centre the layout across the media;
 *   gapScan       gap across between units, mm;
 *   gapFeed       gap along between units, mm;
 *   width         printable width, mm;
 *   length        printable length, mm; -1 for an unlimited roll;
 *   layoutVariant 0 and 1 the standard layout (units turned where the job
 *                 allows it when that saves media), 2 every unit as the
 *                 job turned it; any other value answers false.
 * The primary job is the one whose JobID is the first job's Primary;
 * without it the answer is false. */
UNITCMN_EXPORT bool alignmentXYSlitterPositionExec(void* p, bool centerInScan,
                                                   double gapScan,
                                                   double gapFeed,
                                                   double width,
                                                   double length,
                                                   unsigned int layoutVariant);

/* Reads variable-data-printing parameters from XML text and keeps them
 * under key, replacing an entry with the same key. A null text does
 * nothing. */
UNITCMN_EXPORT void addVariableDataPrintingParam(void* p, const char* key,
                                                 const char* xmlText);

/* Forgets every variable-data-printing parameter set. */
UNITCMN_EXPORT void clearVariableDataPrintingParam(void* p);

/* Places the jobs' images into the pockets of the jig described by
 * jigXmlText. */
UNITCMN_EXPORT bool alignmentJigPositionExec(void* p, const char* jigXmlText,
                                             const char* text);

/* Reads the OptiScout cut conditions from XML text, replacing earlier ones.
 * A null text does nothing. */
UNITCMN_EXPORT void InitOptiScoutCutConditionParam(void* p,
                                                   const char* xmlText);

/* Reads the jig parameters from XML text, replacing earlier ones. A null
 * text does nothing. */
UNITCMN_EXPORT void InitJigParam(void* p, const char* xmlText);

/* Arranges the jobs as groups by the kind given to init. False when there
 * is no job. */
UNITCMN_EXPORT bool alignmentGroupingJobPositionExec(void* p);

#ifdef __cplusplus
} /* extern "C" */
#endif

#endif /* UNITCMN_ALIGNMENT_JOB_POSITION_H_ */
