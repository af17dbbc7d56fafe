# Run by CTest after the tests of quintel_tests are discovered: the long ones are core tests too.
if(quintel_long_tests)
  set_tests_properties(${quintel_long_tests} PROPERTIES LABELS "core;long")
endif()
