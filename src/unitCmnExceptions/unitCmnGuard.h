// The catch-and-rethrow convention, written once. Every function below the
// exported operations runs its body through unitCmnGuard::run:
//   - a unitCmnException passes on unchanged (it already names the
//     innermost source and line);
//   - any other standard exception becomes a unitCmnException (code 3)
//     naming this site, with the exception's message as comment;
//   - anything else becomes the same with an empty comment.
// Functions of the parameter I/O layer use runIo, which first catches
// AbunitCmnReturn, logs its message and answers what onReturn gives.
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

  // Throws the unitCmnException (code 3) for site and comment.
  [[noreturn]] static void raise(const SourceSite& site, const std::string& comment);
};
