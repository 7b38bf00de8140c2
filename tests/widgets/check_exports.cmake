# SPDX-License-Identifier: MIT
# The shared library exports its public classes and nothing of its private part or of
# the helpers it is built from. Run by CTest with -P; takes LIBRARY and NM.
execute_process(COMMAND "${NM}" -D --defined-only -C "${LIBRARY}"
  RESULT_VARIABLE status OUTPUT_VARIABLE symbols)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()
foreach(wanted "TQevCustomButton::setCaption(QString const&)" "TQevButton::TQevButton(QWidget*)"
               "TQevCustomButton::staticMetaObject")
  string(FIND "${symbols}" "${wanted}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "not exported: ${wanted}")
  endif()
endforeach()
foreach(unwanted "TQevCustomButtonPrivate" "qev::" "DialogKeyRouter" "QevButtonAccessible")
  string(FIND "${symbols}" "${unwanted}" at)
  if(NOT at EQUAL -1)
    string(REGEX MATCH "[^\n]*${unwanted}[^\n]*" line "${symbols}")
    message(FATAL_ERROR "exported but private: ${line}")
  endif()
endforeach()
