# Reads the report orvo-cal writes for the demo data with poppler's tools:
# another reader must see a valid A4 document with as many pages as the tool
# reported, and its text: that of the third candidate, which --candidate
# picks. The pages are rendered beside it for looking at.
function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT code EQUAL 0)
        message(FATAL_ERROR "${ARGN} exited with ${code}: ${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

function(expect text pattern what)
    if(NOT text MATCHES "${pattern}")
        message(FATAL_ERROR "${what}: no match for '${pattern}' in:\n${text}")
    endif()
endfunction()

file(MAKE_DIRECTORY ${WORK_DIR})
set(pdf ${WORK_DIR}/demo-report.pdf)
run(${ORVO_CAL} report ${DEMO_DATA} --quantity Cons --variables 2 --grades 1 --candidate 3
    --output ${pdf})
if(NOT out MATCHES "\\(([0-9]+) pages?\\)")
    message(FATAL_ERROR "orvo-cal report names no page count: ${out}")
endif()
set(pages ${CMAKE_MATCH_1})

run(${PDFINFO} ${pdf})
expect("${out}" "Pages: +${pages}\n" "pdfinfo")
expect("${out}" "Page size: +595(\\.[0-9]*)? x 84[12](\\.[0-9]*)? pts \\(A4\\)" "pdfinfo")

run(${PDFTOTEXT} -layout ${pdf} -)
foreach(part "Calibration report" "demo.cal" "Quantity +Cons" "Correlation" "RMSECV"
             "Excluded samples" "grade not taken" "Cons = [-0-9.]+ \\* DLed [-+] [0-9.]+ \\* S8 ")
    expect("${out}" "${part}" "pdftotext")
endforeach()

run(${PDFTOPPM} -png -r 60 ${pdf} ${WORK_DIR}/demo-report)
