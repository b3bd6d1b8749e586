// Test programs log plenty on purpose (missing keys of short job texts,
// refused inputs). Without any sink Boost.Log would print every record, so
// test programs start with a sink that drops them; set UNITCMN_TEST_LOG to
// see them on the console instead.
#include <boost/log/core.hpp>
#include <boost/log/sinks/basic_sink_backend.hpp>
#include <boost/log/sinks/sync_frontend.hpp>
#include <boost/make_shared.hpp>
#include <cstdlib>

namespace {

class DropAll : public boost::log::sinks::basic_sink_backend<boost::log::sinks::concurrent_feeding> {
 public:
  void consume(const boost::log::record_view&) {}
};

const bool quiet = [] {
  if (std::getenv("UNITCMN_TEST_LOG") != nullptr) return false;
  boost::log::core::get()->add_sink(
      boost::make_shared<boost::log::sinks::synchronous_sink<DropAll>>());
  return true;
}();

}  // namespace
