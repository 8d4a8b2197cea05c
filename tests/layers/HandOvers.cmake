# The values windows hand each other through Program, and the one file that writes each:
# the hand-over that opens the receiving window, or the window that gives the answer.
# Anything else that writes one of them hands over behind the hand-overs' back. The start-up
# (LoadSettings) gives the employee list its first order and search.
set(handover_writer_BridgeMode windows/records/RecordHandOvers.cpp)
set(handover_writer_BridgeKey windows/records/RecordHandOvers.cpp)
set(handover_writer_EmployeeListFromMenu windows/records/RecordHandOvers.cpp)
set(handover_writer_EmployeeSortOrder windows/records/RecordHandOvers.cpp logic/core/program/LoadSettings.cpp)
set(handover_writer_EmployeeSearchText windows/records/RecordHandOvers.cpp logic/core/program/LoadSettings.cpp)
set(handover_writer_SendEafm windows/records/RecordHandOvers.cpp)
set(handover_writer_SendKorario windows/records/RecordHandOvers.cpp)
set(handover_writer_SendKparat windows/records/RecordHandOvers.cpp)
set(handover_writer_SendEypo windows/records/RecordHandOvers.cpp)
set(handover_writer_SendKdate windows/records/RecordHandOvers.cpp)
set(handover_writer_SendBatch windows/records/RecordHandOvers.cpp)
set(handover_writer_PopUpItems logic/records/LbPopUp.cpp)
set(handover_writer_PopUpChoice logic/records/LbPopUp.cpp)
set(handover_writer_OutputFileName logic/maintenance/DumFrm.cpp)
set(handover_writer_LastExportFolder logic/maintenance/DumFrm.cpp)
set(handover_writer_LinkToOpen windows/internet/LinkInBrowser.cpp)
set(handover_writer_CalendarDate windows/records/Lbcalendar.cpp)
set(handover_writer_ScrollMarks windows/records/Lbscroll.cpp)
set(handover_writer_ScrollChoice windows/records/Lbscroll.cpp)
