// The catch-and-rethrow convention, written once. Every function below the
// exported operations runs its body through unitCmnGuard::run:
//   - a unitCmnException passes on unchanged (it already names the
//     innermost source and line);
//   - any other standard exception becomes a unitCmnException (code 3)
//     naming this site, with the exception's message as comment;
//   - anything else becomes the same with an empty comment.
// runTraced also logs which case it met. Functions of the parameter I/O
// layer use runIo, which first catches
// AbunitCmnReturn, logs its message and answers what onReturn gives.
// Functions that answer failure instead of throwing use runOrLog.
//
//   return unitCmnGuard::run(UNITCMN_SITE, [&] { ...; return value; });
#pragma once

#include <exception>
#include <string>

#include "unitCmnExceptions/AbunitCmnReturn.h"
#include "unitCmnExceptions/KvnCmnLog.h"
#include "unitCmnExceptions/SourceSite.h"
#include "unitCmnExceptions/unitCmnException.h"

class unitCmnGuard {
 public:
  template <class Body>
  static auto run(const SourceSite& site, Body&& body) -> decltype(body()) {
    try {
      return body();
    } catch (const unitCmnException&) {
      throw;
    } catch (const std::exception& e) {
      raise(site, e.what());
    } catch (...) {
      raise(site, std::string());
    }
  }

  // As run, and first logs at trace level which case was caught: caught[0]
  // for a unitCmnException, caught[1] for another standard exception,
  // caught[2] for anything else.
  template <class Body>
  static auto runTraced(const SourceSite& site, const char* const (&caught)[3], Body&& body)
      -> decltype(body()) {
    return run(site, [&]() -> decltype(body()) {
      try {
        return body();
      } catch (const unitCmnException&) {
        KvnCmnLog::logTrace(site, caught[0]);
        throw;
      } catch (const std::exception&) {
        KvnCmnLog::logTrace(site, caught[1]);
        throw;
      } catch (...) {
        KvnCmnLog::logTrace(site, caught[2]);
        throw;
      }
    });
  }

  template <class Body, class OnReturn>
  static auto runIo(const SourceSite& site, Body&& body, OnReturn&& onReturn)
      -> decltype(body()) {
    return run(site, [&]() -> decltype(body()) {
      try {
        return body();
      } catch (const AbunitCmnReturn& r) {
        KvnCmnLog::logError(site, r.message());
        return onReturn();
      }
    });
  }

  // For functions that answer failure instead of throwing (parameter
  // readers, exported operations): runs body; on any exception logs the
  // composed message of the unitCmnException it is or becomes, at
  // severity 13, and answers failValue.
  template <class R, class Body>
  static R runOrLog(const SourceSite& site, R failValue, Body&& body) noexcept {
    try {
      return body();
    } catch (const unitCmnException& e) {
      KvnCmnLog::logError(site, e.message());
    } catch (const std::exception& e) {
      logForeign(site, e.what());
    } catch (...) {
      logForeign(site, "");
    }
    return failValue;
  }

  // Throws the unitCmnException (code 3) for site and comment.
  [[noreturn]] static void raise(const SourceSite& site, const std::string& comment);

 private:
  // Logs a foreign exception as the unitCmnException (code 3) it becomes.
  static void logForeign(const SourceSite& site, const char* comment) noexcept;
};
